// Draws every window picture into the folder given on the command line.
// Runs at build time; the pictures are then embedded in the game.
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

#include "assets/art/artgen.h"

int main(int argc, char** argv)
{
    // The build machine may have no display; the pictures need none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    // Lettering in another face would silently change every picture.
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Serif")))
        std::fprintf(stderr, "kovra_artgen_tool: Liberation Serif is missing; lettering falls back\n");

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kovra_artgen_tool: cannot create %s\n", argv[1]);
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    for (const art::Picture& pic : art::catalogue()) {
        const QImage img = pic.render();
        const QString path = out.filePath(QString::fromLatin1(pic.fileName));
        if (img.size() != pic.size || !art::savePicture(img, path)) {
            std::fprintf(stderr, "kovra_artgen_tool: failed to write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("kovra_artgen_tool: %zu pictures in %lld ms\n", art::catalogue().size(),
                static_cast<long long>(clock.elapsed()));
    return 0;
}
