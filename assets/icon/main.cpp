// kovra_icongen <out>: writes the hicolor icon tree of the game under <out>:
// <size>x<size>/apps/<id>.png and scalable/apps/<id>.svg.
#include "assets/icon/icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // fonts for the figure 2
    if (argc != 3) {
        std::fprintf(stderr, "usage: kovra_icongen <out folder> <icon name>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : icon::sizes()) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !icon::render(size).save(dir + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "kovra_icongen: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    QDir().mkpath(out + QStringLiteral("/scalable/apps"));
    QFile f(out + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg"));
    const QByteArray svg = icon::svg();
    if (!f.open(QIODevice::WriteOnly) || f.write(svg) != svg.size()) {
        std::fprintf(stderr, "kovra_icongen: cannot write %s\n", qPrintable(f.fileName()));
        return 1;
    }
    return 0;
}
