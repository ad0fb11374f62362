// A whole game in virtual time, from program start: the start window, a new
// player, level 1 played to its end, on to level 2, the game window closed,
// and a second program start that finds the player where they left off.
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"
#include "menus/aboutdialog.h"
#include "menus/leveljumpdialog.h"
#include "menus/rulesdialog.h"
#include "game/gamewindow.h"
#include "menus/startwindow.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/records.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "menusupport.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

namespace {

players::RosterRecord savedRoster(const GameDir& dir)
{
    QFile f(dir.file(QStringLiteral("players.dat")));
    if (!f.open(QIODevice::ReadOnly) || f.size() != players::kRosterBytes)
        return {};
    const QByteArray b = f.readAll();
    return players::decodeRoster(b.constData());
}

// Presses every difference of the running level on the left picture.
void findAll()
{
    const int n = gameWindow()->levelData->diffCount();
    for (int k = 0; k < n; ++k) {
        platform::Shape* region = gameWindow()->regions[size_t(k)][0];
        QTest::mousePress(region, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(region, Qt::LeftButton, {}, QPoint(10, 10));
    }
}

// The player window as a player uses it: optionally add a name, then pick
// the first entry and confirm.
int choosePlayer(const QString& newName)
{
    if (!newName.isEmpty()) {
        QTest::mouseClick(playerDialog()->addButton, Qt::LeftButton);
        QTest::keyClicks(playerDialog()->nameEdit, newName);
        QTest::mouseClick(playerDialog()->confirmAddButton, Qt::LeftButton);
    }
    playerDialog()->playerList->setCurrentRow(0);
    playerDialog()->selectionChanged();
    QTest::mouseClick(playerDialog()->okButton, Qt::LeftButton);
    return platform::mrOk;
}

} // namespace

class GameFlowTest : public QObject {
    Q_OBJECT
private slots:
    void aPlayerPlaysTwoLevelsLeavesAndComesBack_data()
    {
        QTest::addColumn<bool>("onFirstUse");
        QTest::newRow("all windows built at start") << false;
        // As main() starts the program: only the start window at first.
        QTest::newRow("windows built on first use") << true;
    }

    void aPlayerPlaysTwoLevelsLeavesAndComesBack()
    {
        QFETCH(bool, onFirstUse);
        GameDir dir;
        MessageLog messages;
        ModalLog modals;
        writeTestLevel(dir.path(), 1, spreadPoints(3));
        writeTestLevel(dir.path(), 2, spreadPoints(2));
        menustest::writeSettings(dir.path(), true);
        menustest::writeTitleMusic(dir.path());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("MUSIC")));
        for (const char* piece : {"MUSIC/001.MP3", "MUSIC/002.MP3"})
            QVERIFY(QFile::copy(dir.file("music/000.mp3"), dir.file(piece)));
        Forms forms(!onFirstUse);

        // Program start.
        if (onFirstUse) {
            QVERIFY(startProgram());
            QVERIFY(!built<GameWindow>() && !built<PlayerDialog>() && !built<LevelDoneDialog>() && !built<SettingsDialog>());
        } else {
            startWindow()->show();
        }
        QCOMPARE(startWindow()->titleMusic.mode(), sound::MusicPlayer::Playing);

        QString levelTime;
        int completed = 0;
        modals.answer = [&](QWidget* w) {
            if (is<PlayerDialog>(w))
                return choosePlayer(QStringLiteral("Anna"));
            if (is<LevelDoneDialog>(w)) {
                ++completed;
                levelTime = levelDoneDialog()->usedTimeLabel->text();
                return int(platform::mrOk); // "Következő pálya"
            }
            return int(platform::mrCancel);
        };
        QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
        QVERIFY(!startWindow()->isVisible());
        QVERIFY(gameWindow()->isVisible());
        QCOMPARE(gameWindow()->roundState.level, std::uint8_t(1));
        QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - 1. szint, 1. próbálkozás (Játékos: Anna)"));
        QCOMPARE(startWindow()->titleMusic.mode(), sound::MusicPlayer::Stopped);

        // Level 1: five seconds of looking, then all three differences.
        platform::VirtualClock::advance(5000);
        findAll();
        QCOMPARE(completed, 0);
        platform::VirtualClock::advance(3000); // the pause before the result
        QCOMPARE(completed, 1);
        QCOMPARE(levelTime, QStringLiteral("00:05"));
        QCOMPARE(gameWindow()->roundState.level, std::uint8_t(2));
        QCOMPARE(gameWindow()->roundState.helps, std::uint8_t(1)); // first try
        QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - 2. szint, 1. próbálkozás (Játékos: Anna)"));

        // Level 2: four seconds, one difference found, then the player
        // closes the game window.
        platform::VirtualClock::advance(4000);
        QTest::mousePress(gameWindow()->regions[0][0], Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(gameWindow()->close());
        QVERIFY(startWindow()->isVisible());
        QCOMPARE(startWindow()->titleMusic.mode(), sound::MusicPlayer::Playing);
        QVERIFY(!QFile::exists(dir.file("BAL.BMP")));

        players::RosterRecord r = savedRoster(dir);
        QCOMPARE(int(r.playerCount), 1);
        QCOMPARE(r.slot(1).displayName(), QStringLiteral("Anna"));
        QCOMPARE(int(r.slot(1).level), 2);
        QCOMPARE(int(r.slot(1).helps), 1);
        QCOMPARE(int(r.slot(1).secondsBank), 0);
        QCOMPARE(r.slot(1).totalSeconds, 5);
        QCOMPARE(r.slot(1).levelSeconds, 4);
        QCOMPARE(int(r.slot(1).attempts), 1);

        QTest::mouseClick(startWindow()->quitButton, Qt::LeftButton); // "Kilépés"
        QVERIFY(!startWindow()->isVisible());

        // The program starts again.
        restartApp(!onFirstUse);
        if (onFirstUse)
            QVERIFY(startProgram());
        else
            startWindow()->show();
        modals.answer = [&](QWidget* w) { return is<PlayerDialog>(w) ? choosePlayer(QString()) : int(platform::mrCancel); };
        QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
        QVERIFY(gameWindow()->isVisible());
        QCOMPARE(gameWindow()->roundState.level, std::uint8_t(2));
        QCOMPARE(gameWindow()->roundState.helps, std::uint8_t(1));
        QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - 2. szint, 2. próbálkozás (Játékos: Anna)"));
        QCOMPARE(gameWindow()->helpLine2->text(), QString::fromUtf8("A következő segítséghez még 100 mp kell."));
        QCOMPARE(playerStore()->currentPlayer().levelSeconds, 4);

        QCOMPARE(modals.shown, QStringList({"PlayerDialog", "LevelDoneDialog", "PlayerDialog"}));
        if (onFirstUse) // never opened, never built
            QVERIFY(!built<TimeUpDialog>() && !built<GameCompleteDialog>() && !built<LevelJumpDialog>() && !built<RulesDialog>() && !built<AboutDialog>());
        QVERIFY2(messages.list.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_gameflow.moc"
