// kovra_smallcontent <folder>: a small game folder's content made by the real
// generators (levels 1 and 2, the title piece and their two pieces, short),
// plus the manual; prints level 1's difference points, one "x y" a line, for
// the scripts that play it. Keeps the install tests lean.
#include "game/levelrecord.h"
#include "tools/levelgen/pack.h"
#include "tools/musicgen/musicgen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kovra_smallcontent <folder> <manual>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString data = dir + QStringLiteral("/DATA");
    if (!QDir().mkpath(data) || !levelgen::writeLevels(data, {1, 2}, 2, [](int, int) {}))
        return 1;
    musicgen::Options o;
    o.out = dir.toStdString();
    o.progress = nullptr;
    o.first = 0;
    o.last = 2;
    o.levelSeconds = 20;
    o.titleSeconds = 5;
    o.jobs = 2;
    musicgen::generate(o);
    QFile::remove(dir + QStringLiteral("/kezikonyv.html"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[2]), dir + QStringLiteral("/kezikonyv.html")))
        return 1;

    QFile f(levelgen::levelPath(data, 1));
    if (!f.open(QIODevice::ReadOnly))
        return 1;
    level::LevelRecord record;
    if (f.read(record.bytes.data(), level::kRecordBytes) != level::kRecordBytes)
        return 1;
    for (int k = 1; k <= record.diffCount(); ++k)
        std::printf("%d %d\n", record.diffPoint(k).x, record.diffPoint(k).y);
    return 0;
}
