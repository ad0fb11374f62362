// Draws the six rules pages as 256-colour bitmaps: page1.bmp .. page6.bmp in
// the folder given.
#include "pages.h"
#include "quantize.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovra_rulesgen OUTPUT_DIR\n");
        return 2;
    }
    // Headless, and at twice the pixels so the reduced views stay sharp.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "kovra_rulesgen: no scratch folder\n");
        return 1;
    }
    const rules::GameShots shots = rules::takeGameShots(scratch.path() + QLatin1Char('/'));
    for (int n = 1; n <= rules::kPageCount; ++n) {
        const QImage page = rules::quantize(rules::composePage(n, shots));
        const QString path = out + QStringLiteral("/page%1.bmp").arg(n);
        if (!page.save(path, "BMP")) {
            std::fprintf(stderr, "kovra_rulesgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
