// The start window: its music commands, the roads out of it and back, its
// closing and its web link.
#include "game/gamewindow.h"
#include "menus/aboutdialog.h"
#include "menus/startwindow.h"
#include "menus/weblink.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "menusupport.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

namespace {

// A game folder with the title piece and the settings, and the windows.
struct Start {
    explicit Start(bool music, bool withTitlePiece = true)
    {
        menustest::writeSettings(dir.path(), music);
        if (withTitlePiece)
            menustest::writeTitleMusic(dir.path());
    }
    QString title() const { return QStringLiteral("open ") + dir.file(QStringLiteral("music/000.mp3")); }
    QStringList& music() { return startWindow()->titleMusic.log; }

    GameDir dir;
    MessageLog messages;
    ModalLog modals;
    Forms forms;
};

const QStringList restart{QStringLiteral("from 0"), QStringLiteral("play")};

void touch(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("BM");
}

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showingOpensTheTitlePieceAndPlaysItOnlyWithMusicOn_data()
    {
        QTest::addColumn<bool>("music");
        QTest::newRow("music on") << true;
        QTest::newRow("music off") << false;
    }
    void showingOpensTheTitlePieceAndPlaysItOnlyWithMusicOn()
    {
        QFETCH(bool, music);
        Start s(music);
        players::SettingsRecord other;
        other.music = !music;
        settingsStore()->use(other); // the show loads the saved setting
        startWindow()->show();
        QCOMPARE(settingsStore()->musicOn(), music);
        QStringList expected{s.title()};
        if (music)
            expected += restart;
        QCOMPARE(s.music(), expected);
        QCOMPARE(startWindow()->titleMusic.mode(), music ? sound::MusicPlayer::Playing : sound::MusicPlayer::Stopped);
        QVERIFY(s.messages.list.isEmpty());
    }

    void settingsStopAndRestartByTheBoxAsLeft_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("on, left on") << true << true;
        QTest::newRow("on, turned off") << true << false;
        QTest::newRow("off, turned on") << false << true;
        QTest::newRow("off, left off") << false << false;
    }
    void settingsStopAndRestartByTheBoxAsLeft()
    {
        QFETCH(bool, before);
        QFETCH(bool, after);
        Start s(before);
        startWindow()->show();
        s.music().clear();
        bool startVisible = false;
        s.modals.answer = [&](QWidget* w) {
            startVisible = startWindow()->isVisible();
            settingsDialog()->musicBox->setChecked(after); // closed by its close box, unsaved
            Q_UNUSED(w);
            return int(platform::mrCancel);
        };
        QTest::mouseClick(startWindow()->settingsButton, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"SettingsDialog"});
        QVERIFY(startVisible);
        QStringList expected;
        if (before)
            expected << QStringLiteral("stop");
        if (after)
            expected += restart;
        QCOMPARE(s.music(), expected);
    }

    void rulesLeaveTheMusicAlone()
    {
        Start s(true);
        startWindow()->show();
        s.music().clear();
        QTest::mouseClick(startWindow()->rulesButton, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"RulesDialog"});
        QVERIFY(s.music().isEmpty());
        QCOMPARE(startWindow()->titleMusic.mode(), sound::MusicPlayer::Playing);
        QVERIFY(startWindow()->isVisible());
    }

    void aboutHidesTheStartWindowAndItsReturnRestartsTheTitlePiece()
    {
        Start s(true);
        startWindow()->show();
        s.music().clear();
        bool startVisible = true;
        s.modals.answer = [&](QWidget* w) {
            startVisible = startWindow()->isVisible();
            if (is<AboutDialog>(w))
                aboutDialog()->close(); // the close box does what "Főmenü" does
            return int(platform::mrCancel);
        };
        QTest::mouseClick(startWindow()->aboutButton, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"AboutDialog"});
        QVERIFY(!startVisible);
        QVERIFY(startWindow()->isVisible());
        QCOMPARE(s.music(), QStringList{s.title()} + restart);
    }

    void playerWindowClosedWithoutChoiceBringsTheStartWindowBack()
    {
        Start s(true);
        startWindow()->show();
        s.music().clear();
        bool startVisible = true;
        s.modals.answer = [&](QWidget*) {
            startVisible = startWindow()->isVisible();
            return int(platform::mrCancel);
        };
        QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"PlayerDialog"});
        QVERIFY(!startVisible);
        QCOMPARE(playerStore()->selectedPlayer, quint8(0));
        QVERIFY(startWindow()->isVisible());
        QVERIFY(!gameWindow()->isVisible());
        QCOMPARE(s.music(), (QStringList{"stop", s.title()} + restart + restart));
    }

    void choosingAPlayerOpensTheGameAndKeepsTheTitlePieceStopped()
    {
        Start s(true);
        writeTestLevel(s.dir.path(), 3, spreadPoints(4));
        addPlayer(s.dir.path(), QStringLiteral("Bence"), 3);
        startWindow()->show();
        s.music().clear();
        s.modals.answer = [](QWidget*) {
            playerDialog()->playerList->setCurrentRow(0);
            playerDialog()->selectionChanged();
            playerDialog()->okClicked();
            return int(platform::mrOk);
        };
        QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
        QCOMPARE(playerStore()->selectedPlayer, quint8(1));
        QVERIFY(!startWindow()->isVisible());
        QVERIFY(gameWindow()->isVisible());
        QCOMPARE(gameWindow()->roundState.level, std::uint8_t(3));
        QCOMPARE(s.music(), QStringList{"stop"});
        QCOMPARE(startWindow()->titleMusic.mode(), sound::MusicPlayer::Stopped);
    }

    void aMissingTitlePieceIsReportedAndTheMenuStillWorks()
    {
        Start s(true, false);
        startWindow()->show();
        QVERIFY(startWindow()->isVisible());
        QCOMPARE(s.messages.list.size(), 1);
        QCOMPARE(s.messages.list[0].icon, platform::MsgIcon::Error);
        QCOMPARE(s.messages.list[0].title, QStringLiteral("Kovra 2"));
        // The rest of that showing is skipped: the settings were not loaded.
        QCOMPARE(startWindow()->titleMusic.log, QStringList{s.title()});
        QCOMPARE(startWindow()->titleMusic.mode(), sound::MusicPlayer::NotOpen);

        QTest::mouseClick(startWindow()->settingsButton, Qt::LeftButton);
        QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList({"SettingsDialog", "PlayerDialog"}));
        QVERIFY(startWindow()->isVisible());
        QTest::mouseClick(startWindow()->quitButton, Qt::LeftButton);
        QVERIFY(!startWindow()->isVisible());
        QCOMPARE(s.messages.list.size(), 2); // once more for the showing after the player window
    }

    void closingByEitherWayDeletesTheScratchPictures_data()
    {
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("Kilépés") << true;
        QTest::newRow("close box") << false;
    }
    void closingByEitherWayDeletesTheScratchPictures()
    {
        QFETCH(bool, byExitButton);
        Start s(true);
        startWindow()->show();
        touch(s.dir.file("BAL.BMP"));
        touch(s.dir.file("JOBB.BMP"));
        s.music().clear();
        if (byExitButton)
            QTest::mouseClick(startWindow()->quitButton, Qt::LeftButton);
        else
            QVERIFY(startWindow()->close());
        QVERIFY(!startWindow()->isVisible());
        QVERIFY(!QFile::exists(s.dir.file("BAL.BMP")));
        QVERIFY(!QFile::exists(s.dir.file("JOBB.BMP")));
        // Only "Kilépés" stops the music before closing.
        QCOMPARE(s.music(), byExitButton ? QStringList{"stop"} : QStringList{});
        // Absent pictures are no error.
        startWindow()->show();
        QVERIFY(startWindow()->close());
        QVERIFY(s.messages.list.isEmpty());
    }

    void bottomLabelsCarryTheVersionAndOpenTheManual_data()
    {
        QTest::addColumn<bool>("canOpen");
        QTest::newRow("a browser opens it") << true;
        QTest::newRow("nothing can open it") << false;
    }
    void bottomLabelsCarryTheVersionAndOpenTheManual()
    {
        QFETCH(bool, canOpen);
        Start s(false);
        menustest::UrlLog urls;
        urls.canOpen = canOpen;
        startWindow()->show();
        QVERIFY(startWindow()->makerLabel->text().contains(QStringLiteral(KOVRA_VERSION)));
        QVERIFY(startWindow()->makerLabel->text().contains(QStringLiteral("2026")));
        // Words a player understands; the full address in the tool tip.
        QCOMPARE(startWindow()->webLink->text(), QString::fromUtf8("a játék kézikönyve"));
        QCOMPARE(startWindow()->webLink->toolTip(), QUrl::fromLocalFile(s.dir.file("kezikonyv.html")).toString());
        QTest::mouseClick(startWindow()->webLink, Qt::RightButton);
        QVERIFY(urls.opened.isEmpty());
        QTest::mouseClick(startWindow()->webLink, Qt::LeftButton);
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(s.dir.file("kezikonyv.html"))});
        QVERIFY(startWindow()->isVisible());
        if (canOpen) {
            QVERIFY(s.messages.list.isEmpty());
        } else {
            QCOMPARE(s.messages.list.size(), 1);
            QVERIFY(s.messages.list[0].text.contains(QString::fromUtf8("Nem található program")));
            QVERIFY(s.messages.list[0].text.contains(s.dir.file("kezikonyv.html")));
        }
    }
};

QTEST_MAIN(StartWindowTest)
#include "tst_startwindow.moc"
