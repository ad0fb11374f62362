// A whole game in virtual time, from program start: the start window, a new
// player, level 1 played to its end, on to level 2, the game window closed,
// and a second program start that finds the player where they left off.
#include "app/forms.h"
#include "game/uBoardFail.h"
#include "game/uBoardOK.h"
#include "game/uGratula.h"
#include "menus/uAbout.h"
#include "menus/uCheat.h"
#include "menus/uRules.h"
#include "game/uMain.h"
#include "menus/uStarter.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/records.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"
#include "menusupport.h"
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
    const int n = Form1->levelData->diffCount();
    for (int k = 0; k < n; ++k) {
        platform::Shape* region = Form1->diffShapes[size_t(k)][0];
        QTest::mousePress(region, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(region, Qt::LeftButton, {}, QPoint(10, 10));
    }
}

// The player window as a player uses it: optionally add a name, then pick
// the first entry and confirm.
int choosePlayer(const QString& newName)
{
    if (!newName.isEmpty()) {
        QTest::mouseClick(Form3->Button1, Qt::LeftButton);
        QTest::keyClicks(Form3->Edit1, newName);
        QTest::mouseClick(Form3->Button3, Qt::LeftButton);
    }
    Form3->ListBox1->setCurrentRow(0);
    Form3->ListBox1Click();
    QTest::mouseClick(Form3->Button2, Qt::LeftButton);
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
            QVERIFY(!Form1.created() && !Form3.created() && !Form4.created() && !Form8.created());
        } else {
            Form2->show();
        }
        QCOMPARE(Form2->MediaPlayer1.mode(), sound::MusicPlayer::Playing);

        QString levelTime;
        int completed = 0;
        modals.answer = [&](QWidget* w) {
            if (w == Form3)
                return choosePlayer(QStringLiteral("Anna"));
            if (w == Form4) {
                ++completed;
                levelTime = Form4->Label6->text();
                return int(platform::mrOk); // "Következő pálya"
            }
            return int(platform::mrCancel);
        };
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
        QVERIFY(Form1->isVisible());
        QCOMPARE(Form1->rs.level, std::uint8_t(1));
        QCOMPARE(Form1->windowTitle(), QString::fromUtf8("Kovra 2 - 1. szint, 1. próbálkozás (Játékos: Anna)"));
        QCOMPARE(Form2->MediaPlayer1.mode(), sound::MusicPlayer::Stopped);

        // Level 1: five seconds of looking, then all three differences.
        platform::VirtualClock::advance(5000);
        findAll();
        QCOMPARE(completed, 0);
        platform::VirtualClock::advance(3000); // the pause before the result
        QCOMPARE(completed, 1);
        QCOMPARE(levelTime, QStringLiteral("00:05"));
        QCOMPARE(Form1->rs.level, std::uint8_t(2));
        QCOMPARE(Form1->rs.helps, std::uint8_t(1)); // first try
        QCOMPARE(Form1->windowTitle(), QString::fromUtf8("Kovra 2 - 2. szint, 1. próbálkozás (Játékos: Anna)"));

        // Level 2: four seconds, one difference found, then the player
        // closes the game window.
        platform::VirtualClock::advance(4000);
        QTest::mousePress(Form1->diffShapes[0][0], Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(Form1->close());
        QVERIFY(Form2->isVisible());
        QCOMPARE(Form2->MediaPlayer1.mode(), sound::MusicPlayer::Playing);
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

        QTest::mouseClick(Form2->Button4, Qt::LeftButton); // "Kilépés"
        QVERIFY(!Form2->isVisible());

        // The program starts again.
        app::destroyForms();
        if (onFirstUse) {
            QVERIFY(startProgram());
        } else {
            app::createForms();
            Form2->show();
        }
        modals.answer = [&](QWidget* w) { return w == Form3 ? choosePlayer(QString()) : int(platform::mrCancel); };
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QVERIFY(Form1->isVisible());
        QCOMPARE(Form1->rs.level, std::uint8_t(2));
        QCOMPARE(Form1->rs.helps, std::uint8_t(1));
        QCOMPARE(Form1->windowTitle(), QString::fromUtf8("Kovra 2 - 2. szint, 2. próbálkozás (Játékos: Anna)"));
        QCOMPARE(Form1->Label8->text(), QString::fromUtf8("A következő segítséghez még 100 mp kell."));
        QCOMPARE(Form3->currentPlayer().levelSeconds, 4);

        QCOMPARE(modals.shown, QStringList({"Form3", "Form4", "Form3"}));
        if (onFirstUse) // never opened, never built
            QVERIFY(!Form5.created() && !Form6.created() && !Form7.created() && !Form9.created() && !Form10.created());
        QVERIFY2(messages.list.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_gameflow.moc"
