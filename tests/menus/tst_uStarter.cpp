// The start window: its music commands, the roads out of it and back, its
// closing and its web link.
#include "game/uMain.h"
#include "menus/uAbout.h"
#include "menus/uStarter.h"
#include "menus/weblink.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"
#include "menusupport.h"
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
    QStringList& music() { return Form2->MediaPlayer1.log; }

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

class StarterTest : public QObject {
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
        Form8->chkMusic->setChecked(!music); // the show loads the saved setting
        Form2->show();
        QCOMPARE(Form8->chkMusic->isChecked(), music);
        QStringList expected{s.title()};
        if (music)
            expected += restart;
        QCOMPARE(s.music(), expected);
        QCOMPARE(Form2->MediaPlayer1.mode(), music ? sound::MusicPlayer::Playing : sound::MusicPlayer::Stopped);
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
        Form2->show();
        s.music().clear();
        bool startVisible = false;
        s.modals.answer = [&](QWidget* w) {
            startVisible = Form2->isVisible();
            Form8->chkMusic->setChecked(after); // closed by its close box, unsaved
            Q_UNUSED(w);
            return int(platform::mrCancel);
        };
        QTest::mouseClick(Form2->Button6, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"Form8"});
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
        Form2->show();
        s.music().clear();
        QTest::mouseClick(Form2->Button5, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"Form9"});
        QVERIFY(s.music().isEmpty());
        QCOMPARE(Form2->MediaPlayer1.mode(), sound::MusicPlayer::Playing);
        QVERIFY(Form2->isVisible());
    }

    void aboutHidesTheStartWindowAndItsReturnRestartsTheTitlePiece()
    {
        Start s(true);
        Form2->show();
        s.music().clear();
        bool startVisible = true;
        s.modals.answer = [&](QWidget* w) {
            startVisible = Form2->isVisible();
            if (w == Form10)
                Form10->close(); // the close box does what "Főmenü" does
            return int(platform::mrCancel);
        };
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"Form10"});
        QVERIFY(!startVisible);
        QVERIFY(Form2->isVisible());
        QCOMPARE(s.music(), QStringList{s.title()} + restart);
    }

    void playerWindowClosedWithoutChoiceBringsTheStartWindowBack()
    {
        Start s(true);
        Form2->show();
        s.music().clear();
        bool startVisible = true;
        s.modals.answer = [&](QWidget*) {
            startVisible = Form2->isVisible();
            return int(platform::mrCancel);
        };
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList{"Form3"});
        QVERIFY(!startVisible);
        QCOMPARE(Form3->selectedPlayer, quint8(0));
        QVERIFY(Form2->isVisible());
        QVERIFY(!Form1->isVisible());
        QCOMPARE(s.music(), (QStringList{"stop", s.title()} + restart + restart));
    }

    void choosingAPlayerOpensTheGameAndKeepsTheTitlePieceStopped()
    {
        Start s(true);
        writeTestLevel(s.dir.path(), 3, spreadPoints(4));
        addPlayer(s.dir.path(), QStringLiteral("Bence"), 3);
        Form2->show();
        s.music().clear();
        s.modals.answer = [](QWidget*) {
            Form3->ListBox1->setCurrentRow(0);
            Form3->ListBox1Click();
            Form3->Button2Click();
            return int(platform::mrOk);
        };
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QCOMPARE(Form3->selectedPlayer, quint8(1));
        QVERIFY(!Form2->isVisible());
        QVERIFY(Form1->isVisible());
        QCOMPARE(Form1->rs.level, std::uint8_t(3));
        QCOMPARE(s.music(), QStringList{"stop"});
        QCOMPARE(Form2->MediaPlayer1.mode(), sound::MusicPlayer::Stopped);
    }

    void aMissingTitlePieceIsReportedAndTheMenuStillWorks()
    {
        Start s(true, false);
        Form2->show();
        QVERIFY(Form2->isVisible());
        QCOMPARE(s.messages.list.size(), 1);
        QCOMPARE(s.messages.list[0].icon, platform::MsgIcon::Error);
        QCOMPARE(s.messages.list[0].title, QStringLiteral("Kovra 2"));
        // The rest of that showing is skipped: the settings were not loaded.
        QCOMPARE(Form2->MediaPlayer1.log, QStringList{s.title()});
        QCOMPARE(Form2->MediaPlayer1.mode(), sound::MusicPlayer::NotOpen);

        QTest::mouseClick(Form2->Button6, Qt::LeftButton);
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QCOMPARE(s.modals.shown, QStringList({"Form8", "Form3"}));
        QVERIFY(Form2->isVisible());
        QTest::mouseClick(Form2->Button4, Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
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
        Form2->show();
        touch(s.dir.file("BAL.BMP"));
        touch(s.dir.file("JOBB.BMP"));
        s.music().clear();
        if (byExitButton)
            QTest::mouseClick(Form2->Button4, Qt::LeftButton);
        else
            QVERIFY(Form2->close());
        QVERIFY(!Form2->isVisible());
        QVERIFY(!QFile::exists(s.dir.file("BAL.BMP")));
        QVERIFY(!QFile::exists(s.dir.file("JOBB.BMP")));
        // Only "Kilépés" stops the music before closing.
        QCOMPARE(s.music(), byExitButton ? QStringList{"stop"} : QStringList{});
        // Absent pictures are no error.
        Form2->show();
        QVERIFY(Form2->close());
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
        Form2->show();
        QVERIFY(Form2->Label1->text().contains(QStringLiteral(KOVRA_VERSION)));
        QVERIFY(Form2->Label1->text().contains(QStringLiteral("2026")));
        // Words a player understands; the full address in the tool tip.
        QCOMPARE(Form2->Label2->text(), QString::fromUtf8("a játék kézikönyve"));
        QCOMPARE(Form2->Label2->toolTip(), QUrl::fromLocalFile(s.dir.file("kezikonyv.html")).toString());
        QTest::mouseClick(Form2->Label2, Qt::RightButton);
        QVERIFY(urls.opened.isEmpty());
        QTest::mouseClick(Form2->Label2, Qt::LeftButton);
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(s.dir.file("kezikonyv.html"))});
        QVERIFY(Form2->isVisible());
        if (canOpen) {
            QVERIFY(s.messages.list.isEmpty());
        } else {
            QCOMPARE(s.messages.list.size(), 1);
            QVERIFY(s.messages.list[0].text.contains(QString::fromUtf8("Nem található program")));
            QVERIFY(s.messages.list[0].text.contains(s.dir.file("kezikonyv.html")));
        }
    }
};

QTEST_MAIN(StarterTest)
#include "tst_uStarter.moc"
