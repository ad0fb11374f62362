// Writes the starting corpus of each fuzz target: <out>/level, <out>/roster
// and <out>/settings, one file per seed.
#include "fuzz/seeds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {
bool writeAll(const QString& dir, const QList<fuzzreplay::Seed>& seeds)
{
    if (!QDir().mkpath(dir))
        return false;
    for (const auto& s : seeds) {
        QFile f(dir + QLatin1Char('/') + s.name);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(s.bytes) != s.bytes.size())
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the level seed is painted
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool ok = writeAll(out + QStringLiteral("/level"), fuzzreplay::levelSeeds())
                    && writeAll(out + QStringLiteral("/roster"), fuzzreplay::rosterSeeds())
                    && writeAll(out + QStringLiteral("/settings"), fuzzreplay::settingsSeeds());
    if (!ok)
        std::fprintf(stderr, "cannot write the seeds under %s\n", argv[1]);
    return ok ? 0 : 1;
}
