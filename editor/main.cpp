// kovra2-editor: the level maker. With --auto or --pair it works from the
// command line and needs no display; otherwise it opens its window.
#include "editor/commandline.h"
#include "editor/editorwindow.h"
#include "platform/appearance.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    // A file-size limit then fails the write (and is reported) instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const editor::CommandLine cl = editor::parseCommandLine(args);
    if (cl.mode != editor::CommandLine::Window || !cl.error.isEmpty()) {
        QCoreApplication app(argc, argv); // image plugins; no display needed
        QTextStream out(stdout), err(stderr);
        return editor::runCommandLine(cl, out, err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kovra 2"));
    platform::setupStockTexts(); // file dialogs and stock buttons in Hungarian, as in the game
    editor::EditorWindow w;
    w.show();
    if (!cl.inputs.isEmpty())
        w.openPhoto(cl.inputs.first());
    return app.exec();
}
