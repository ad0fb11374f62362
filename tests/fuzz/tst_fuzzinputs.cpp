// Every input the fuzzers start from, and every input they once broke on
// (tests/fuzz/inputs/<kind>-<what>.bin), replayed through the game's windows
// with the rules the fuzzers check.
#include "support/appwindows.h"
#include "fuzz/replay.h"
#include "fuzz/seeds.h"
#include "players/playerdialog.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace fuzzreplay;

namespace {
enum Kind { Level, Roster, Settings };

void addRows(Kind kind, const QString& prefix, const QList<Seed>& seeds)
{
    for (const Seed& s : seeds)
        QTest::newRow(qPrintable(prefix + QStringLiteral(" seed ") + s.name)) << int(kind) << s.bytes;
    const QStringList found = QDir(QStringLiteral(FUZZ_INPUTS)).entryList({prefix + QStringLiteral("-*.bin")}, QDir::Files, QDir::Name);
    for (const QString& name : found) {
        QFile f(QStringLiteral(FUZZ_INPUTS) + QLatin1Char('/') + name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(name)) << int(kind) << f.readAll();
    }
}
} // namespace

class FuzzInputsTest : public QObject {
    Q_OBJECT
private slots:
    void replayHoldsTheRules_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("input");
        addRows(Level, QStringLiteral("level"), levelSeeds());
        addRows(Roster, QStringLiteral("roster"), rosterSeeds());
        addRows(Settings, QStringLiteral("settings"), settingsSeeds());
    }
    void replayHoldsTheRules()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, input);
        Session s;
        const QStringList broken = kind == Level    ? replayLevel(s, input)
                                   : kind == Roster ? replayRoster(s, input)
                                                    : replaySettings(s, input);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("; "))));
    }

    // The fuzzer's player really plays: every difference of the valid level
    // is found and the next level is saved for the player.
    void theValidLevelIsPlayedToItsEnd()
    {
        Session s;
        const QList<Seed> seeds = levelSeeds();
        const auto played = std::find_if(seeds.begin(), seeds.end(),
                                         [](const Seed& x) { return x.name == QStringLiteral("valid-trailer-played"); });
        QVERIFY(played != seeds.end());
        QVERIFY(replayLevel(s, played->bytes).isEmpty());
        QCOMPARE(int(playerStore()->currentPlayer().level), 2);
    }
};

QTEST_MAIN(FuzzInputsTest)
#include "tst_fuzzinputs.moc"
