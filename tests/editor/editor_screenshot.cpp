// Draws the README's picture of the level maker: a real photograph from
// Debian's mate-backgrounds (RainDrops.jpg, GPL-2+), framed, with the automatic
// differences the maker finds on it, one of them selected.
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
    const QString photo = editortest::debianPhoto("RainDrops");
    editor::EditorWindow w;
    w.resize(1400, 700); // the headless screen is smaller than a desktop's
    w.show();
    if (!w.openPhoto(photo))
        return 1;
    w.countBox->setValue(9);
    w.seedBox->setValue(1);
    w.makeButton->click();
    w.list->setCurrentRow(2);
    app.processEvents();
    return w.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
