// Draws the README's picture of the level maker: a photo-like picture our own
// code makes, framed, with automatic differences, one of them selected.
//   editor_screenshot OUT.png
#include "editor/editorwindow.h"
#include "editor/cropview.h"
#include "photolike.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("kert.jpg"));
    editortest::writeBytes(photo, editortest::jpegBytes(editortest::photoLike(1600, 1200, 8)));
    editor::EditorWindow w;
    w.resize(1400, 700); // the headless screen is smaller than a desktop's
    w.show();
    if (!w.openPhoto(photo))
        return 1;
    w.cropView->zoom(2, QPointF(900, 700)); // a closer frame than the default, as a player would pick
    w.countBox->setValue(9);
    w.seedBox->setValue(4);
    w.makeButton->click();
    w.list->setCurrentRow(2);
    app.processEvents();
    return w.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
