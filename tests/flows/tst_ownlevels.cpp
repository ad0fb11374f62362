// The player's own levels (those the level maker saves) played as a set of
// their own: through the start window, the player window and the real game
// window, with a roster of their own, while the shipped levels' roster stays
// byte for byte as it was. Also the set's rules without a window, and the
// game's --own-levels option as the desktop action runs it.
#include "flowsupport.h"
#include "app/cli.h"
#include "app/rungame.h"
#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "game/leveldonedialog.h"
#include "game/levelset.h"
#include "menus/leveljumpdialog.h"
#include "menus/menusupport.h"
#include "menus/startwindow.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/playerdialog.h"
#include "players/roster.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QFile>
#include <csignal>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace testsupport;

namespace {

QString own(const GameDir& dir) { return dir.file(QStringLiteral("SAJAT/")); }

// The shipped pack's level 1 of 5 differences, the title music and the
// settings with the music off, as a game folder has them.
void fillGameFolder(const GameDir& dir)
{
    writeTestLevel(dir.path(), 1, spreadPoints(5));
    menustest::writeTitleMusic(dir.path());
    QFile settings(dir.file(QStringLiteral("settings.dat")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QByteArray("\1\1\0\1", 4)); // sound, cross, no music, shadow
}

// Finds every difference of the level on screen, then lets the wait before
// the level-completed window pass.
void findAll()
{
    GameWindow* g = gameWindow();
    const int count = int(g->levelData->diffCount());
    for (int k = 1; k <= count; ++k)
        QTest::mousePress(g->regions[size_t(k - 1)][0], Qt::LeftButton, {}, QPoint(10, 10));
    platform::VirtualClock::advance(3000);
}

} // namespace

class OwnLevelsTest : public QObject {
    Q_OBJECT
private slots:
    void theSetCountsFilesFromTheFirstToAGap_data();
    void theSetCountsFilesFromTheFirstToAGap();
    void ownLevelsArePlayedApartFromTheShippedProgress();
    void aFinishedPlayerGoesOnWhenLevelsAreAdded();
    void theOptionAsksForTheOwnLevels();
    void theDesktopActionPlaysTheOwnLevelsInTheGame();
    void theDesktopActionWithoutOwnLevelsSaysSo();
};

void OwnLevelsTest::theSetCountsFilesFromTheFirstToAGap_data()
{
    QTest::addColumn<QList<int>>("files");
    QTest::addColumn<int>("count");
    QTest::newRow("none") << QList<int>{} << 0;
    QTest::newRow("one") << QList<int>{1} << 1;
    QTest::newRow("three") << QList<int>{1, 2, 3} << 3;
    QTest::newRow("a gap ends the set") << QList<int>{1, 2, 4} << 2;
    QTest::newRow("no first level") << QList<int>{2, 3} << 0;
}

void OwnLevelsTest::theSetCountsFilesFromTheFirstToAGap()
{
    QFETCH(QList<int>, files);
    QFETCH(int, count);
    GameDir dir;
    writeTestLevel(dir.path(), 1, spreadPoints(2)); // a shipped level: not one of the own
    for (int n : files)
        writeTestLevel(own(dir), n, spreadPoints(2));
    const game::LevelSet set = game::LevelSet::own();
    QVERIFY(set.isOwn());
    QCOMPARE(set.levelCount(), count);
    QCOMPARE(set.levelFile(1), own(dir) + QStringLiteral("DATA/001.DAT"));
    QCOMPARE(set.rosterFile(), own(dir) + QStringLiteral("players.dat"));
    QVERIFY(set.finished(count + 1));
    QVERIFY(count == 0 || !set.finished(count));
    // The shipped set is as it always was.
    const game::LevelSet shipped = game::LevelSet::shipped();
    QCOMPARE(shipped.levelCount(), 100);
    QCOMPARE(shipped.levelFile(1), dir.file(QStringLiteral("DATA/001.DAT")));
    QCOMPARE(shipped.rosterFile(), dir.file(QStringLiteral("players.dat")));
    QVERIFY(!shipped.finished(100) && shipped.finished(101));
}

void OwnLevelsTest::ownLevelsArePlayedApartFromTheShippedProgress()
{
    GameDir dir;
    MessageLog messages;
    ModalLog modals;
    Forms forms(false);
    // The shipped pack and a player well into it.
    fillGameFolder(dir);
    writeTestLevel(dir.path(), 2, spreadPoints(5));
    addPlayer(dir.path(), QStringLiteral("Anna"), 2, 1, 30, 3);
    const QByteArray shippedRoster = flows::fileBytes(dir.file(QStringLiteral("players.dat")));
    // Two own levels of 3 and 4 differences.
    writeTestLevel(own(dir), 1, spreadPoints(3));
    writeTestLevel(own(dir), 2, spreadPoints(4));

    app::App program(game::LevelSet::own());
    useApp(&program);
    modals.answer = [](QWidget* w) {
        if (is<PlayerDialog>(w)) {
            // The own set has its own roster: Anna is not in it until added.
            if (playerDialog()->playerList->count() != 0)
                return int(platform::mrCancel);
            flows::addAndChoose(QStringLiteral("Anna"));
        }
        return int(platform::mrOk); // next level; the game-completed window closes
    };
    QCOMPARE(startWindow()->windowTitle(), QString::fromUtf8("Kovra 2 – saját pályák"));
    startWindow()->show();
    QVERIFY(startWindow()->setLabel->isVisible());
    QCOMPARE(startWindow()->setLabel->text(), QString::fromUtf8("Saját pályák"));
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    QVERIFY(gameWindow()->isVisible());
    QCOMPARE(int(gameWindow()->levelData->diffCount()), 3);
    QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 (saját pályák) - 1. szint, 1. próbálkozás (Játékos: Anna)"));

    // The level-jump dialog offers the own levels only.
    modals.answer = [](QWidget* w) {
        if (is<LevelJumpDialog>(w)) {
            levelJumpDialog()->levelBox->setValue(99);
            return int(platform::mrCancel);
        }
        return int(platform::mrOk);
    };
    gameWindow()->levelNumberPressed(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(levelJumpDialog()->levelBox->maximum(), 2);
    QCOMPARE(levelJumpDialog()->levelBox->value(), 2);

    findAll(); // level 1 done: "Következő pálya"
    QCOMPARE(int(gameWindow()->levelData->diffCount()), 4);
    QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("2"));
    findAll(); // the last own level: the game's end
    QCOMPARE(modals.shown.count(QStringLiteral("GameCompleteDialog")), 1);
    QVERIFY(!gameWindow()->isVisible());
    QVERIFY(startWindow()->isVisible());

    // The own roster holds the own progress; the shipped one is untouched.
    const flows::Slot a = flows::slotOf(flows::fileBytes(own(dir) + QStringLiteral("players.dat")), 1);
    QCOMPARE(a.name, QByteArray("Anna"));
    QCOMPARE(a.level, 3); // past the last own level
    QCOMPARE(players::entryText(playerStore()->roster.slot(1), program.levels().levelCount()),
             QString::fromUtf8("Anna (befejezve)"));
    QVERIFY(flows::fileBytes(dir.file(QStringLiteral("players.dat"))) == shippedRoster);
    QVERIFY2(messages.list.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    useApp(nullptr);
}

void OwnLevelsTest::aFinishedPlayerGoesOnWhenLevelsAreAdded()
{
    GameDir dir;
    MessageLog messages;
    ModalLog modals;
    Forms forms(false);
    fillGameFolder(dir);
    writeTestLevel(own(dir), 1, spreadPoints(3));
    addPlayer(own(dir), QStringLiteral("Bea"), 2); // finished the one own level
    app::App program(game::LevelSet::own());
    useApp(&program);
    QString listed;
    modals.answer = [&listed](QWidget* w) {
        if (is<PlayerDialog>(w)) {
            listed = playerDialog()->playerList->item(0)->text();
            flows::addAndChoose(QString());
        }
        return int(platform::mrCancel);
    };
    startWindow()->show();
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    QCOMPARE(listed, QString::fromUtf8("Bea (befejezve)"));
    QVERIFY(!gameWindow()->isVisible()); // a finished player cannot start

    // The level maker saves a second own level: Bea plays it.
    writeTestLevel(own(dir), 2, spreadPoints(6));
    startWindow()->show();
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    QCOMPARE(listed, QString::fromUtf8("Bea (2. szint)"));
    QVERIFY(gameWindow()->isVisible());
    QCOMPARE(int(gameWindow()->levelData->diffCount()), 6);
    gameWindow()->close();
    QVERIFY2(messages.list.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    useApp(nullptr);
}

void OwnLevelsTest::theOptionAsksForTheOwnLevels()
{
    const auto asks = [](QList<QByteArray> args) {
        args.prepend("kovra2");
        std::vector<char*> argv;
        for (QByteArray& a : args)
            argv.push_back(a.data());
        return app::wantsOwnLevels(int(argv.size()), argv.data());
    };
    QVERIFY(asks({"--own-levels"}));
    QVERIFY(asks({"-platform", "offscreen", "--own-levels"}));
    QVERIFY(!asks({}));
    QVERIFY(!asks({"--own-level"}));
    GameDir dir;
    const QString help = app::helpText();
    QVERIFY2(help.contains(QStringLiteral("--own-levels")), qPrintable(help));
    QVERIFY2(help.contains(own(dir) + QStringLiteral("DATA/")), qPrintable(help));
}

// The game's own start-up in a child process, as the desktop action starts
// it: the lock, the signals, the windows, the option read from argv.
void OwnLevelsTest::theDesktopActionPlaysTheOwnLevelsInTheGame()
{
    GameDir dir;
    fillGameFolder(dir);
    addPlayer(dir.path(), QStringLiteral("Anna"), 1);
    const QByteArray shippedRoster = flows::fileBytes(dir.file(QStringLiteral("players.dat")));
    writeTestLevel(own(dir), 1, spreadPoints(2));
    addPlayer(own(dir), QStringLiteral("Bea"), 1);

    flows::ChildGame g(QStringLiteral(GAME_CHILD));
    g.start({QStringLiteral("play"), dir.path(), QStringLiteral("--own-levels")});
    QVERIFY2(g.waitFor(QStringLiteral("playing"), 30000), qPrintable(g.lines.join(QLatin1Char('|'))));
    g.proc.write("find all\nadvance 3000\n");
    QVERIFY2(g.waitFor(QStringLiteral("level done"), 20000), qPrintable(g.lines.join(QLatin1Char('|'))));
    g.signal(SIGTERM);
    QVERIFY(g.endsWith(0));
    QVERIFY2(g.boxes().isEmpty(), qPrintable(g.boxes().join(QLatin1Char('|'))));
    // Bea played own level 1 and is past it; Anna's shipped roster is as it was.
    const flows::Slot bea = flows::slotOf(flows::fileBytes(own(dir) + QStringLiteral("players.dat")), 1);
    QCOMPARE(bea.name, QByteArray("Bea"));
    QCOMPARE(bea.level, 2);
    QVERIFY(flows::fileBytes(dir.file(QStringLiteral("players.dat"))) == shippedRoster);
}

void OwnLevelsTest::theDesktopActionWithoutOwnLevelsSaysSo()
{
    GameDir dir;
    writeTestLevel(dir.path(), 1, spreadPoints(5));
    flows::ChildGame g(QStringLiteral(GAME_CHILD));
    g.start({QStringLiteral("hold"), dir.path(), QStringLiteral("--own-levels")});
    QVERIFY(g.endsWith(0));
    QCOMPARE(g.boxes(), QStringList{QString::fromUtf8(app::noOwnLevelsText())});
    QVERIFY(!g.lines.contains(QStringLiteral("ready"))); // no window stood
    QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("players.dat"))));
}

QTEST_MAIN(OwnLevelsTest)
#include "tst_ownlevels.moc"
