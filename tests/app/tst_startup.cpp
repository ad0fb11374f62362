// The program's start: only the start window is built before it shows, the
// audio library waits for its first paint, the settings are read without the
// settings window, and the other windows come when first used.
#include "game/leveldonedialog.h"
#include "game/gamewindow.h"
#include "menus/startwindow.h"
#include "players/records.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "sound/audiodevice.h"
#include "menus/menusupport.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

namespace {
QByteArray storedSettings(const GameDir& dir)
{
    QFile f(dir.file(QStringLiteral("settings.dat")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // First: nothing in this process may have loaded the library before.
    void theStartWindowShowsBeforeTheAudioLibraryLoads()
    {
        GameDir dir;
        MessageLog messages;
        menustest::writeSettings(dir.path(), true);
        menustest::writeTitleMusic(dir.path());
        Forms forms(false);
        testsupport::app().start();
        QVERIFY(built<StartWindow>());
        QVERIFY(startWindow()->isVisible());
        QVERIFY(!sound::audio::libraryLoaded());
        QVERIFY(startWindow()->titleMusic.log.isEmpty()); // the show sequence waits for the paint
        QTRY_COMPARE(startWindow()->titleMusic.mode(), sound::MusicPlayer::Playing);
        QVERIFY(sound::audio::libraryLoaded());
        for (bool isBuilt : {built<GameWindow>(), built<PlayerDialog>(), built<LevelDoneDialog>(), built<SettingsDialog>()})
            QVERIFY(!isBuilt);
        QVERIFY(messages.list.isEmpty());
    }

    void settingsAreReadWithoutTheSettingsWindow_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<QByteArray>("afterwards");
        const QByteArray allOn("\x01\x01\x01\x01", 4);
        QTest::newRow("missing: written all on") << QByteArray() << true << allOn;
        QTest::newRow("music off") << QByteArray("\x01\x00\x00\x01", 4) << false << QByteArray("\x01\x00\x00\x01", 4);
        QTest::newRow("music on, the rest off") << QByteArray("\x00\x00\x01\x00", 4) << true
                                                << QByteArray("\x00\x00\x01\x00", 4);
    }

    void settingsAreReadWithoutTheSettingsWindow()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, plays);
        QFETCH(QByteArray, afterwards);
        GameDir dir;
        MessageLog messages;
        ModalLog modals;
        menustest::writeTitleMusic(dir.path());
        if (!stored.isEmpty()) {
            QFile f(dir.file(QStringLiteral("settings.dat")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(stored);
        }
        Forms forms(false);
        QVERIFY(startProgram());
        QVERIFY(!built<SettingsDialog>());
        QCOMPARE(startWindow()->titleMusic.mode() == sound::MusicPlayer::Playing, plays);
        QCOMPARE(storedSettings(dir), afterwards);

        // The settings window, built when first opened, starts from what was read.
        QTest::mouseClick(startWindow()->settingsButton, Qt::LeftButton);
        QCOMPARE(modals.shown, QStringList({"SettingsDialog"}));
        const players::SettingsRecord s = players::decodeSettings(afterwards.constData());
        QCOMPARE(settingsDialog()->soundBox->isChecked(), s.sound);
        QCOMPARE(settingsDialog()->preciseBox->isChecked(), s.precise);
        QCOMPARE(settingsDialog()->musicBox->isChecked(), s.music);
        QCOMPARE(settingsDialog()->shadowBox->isChecked(), s.shadow);
        QCOMPARE(startWindow()->titleMusic.mode() == sound::MusicPlayer::Playing, plays);
        QVERIFY(messages.list.isEmpty());
    }

    void aShortSettingsFileIsReportedAndTheMenuStillWorks()
    {
        GameDir dir;
        MessageLog messages;
        ModalLog modals;
        menustest::writeTitleMusic(dir.path());
        QFile f(dir.file(QStringLiteral("settings.dat")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x01", 1);
        f.close();
        Forms forms(false);
        QVERIFY(startProgram());
        QTRY_COMPARE(messages.texts(), QStringList({"Read beyond end of file."}));
        QVERIFY(!built<SettingsDialog>());
        QTest::mouseClick(startWindow()->settingsButton, Qt::LeftButton);
        QVERIFY(settingsDialog()->musicBox->isChecked()); // the boxes keep their states: all on
    }

    void askingForAWindowBuildsItAlone()
    {
        Forms forms(false);
        QWidget other;
        QVERIFY(!is<LevelDoneDialog>(&other));
        QVERIFY(!built<LevelDoneDialog>());
        QWidget* w = levelDoneDialog();
        QVERIFY(built<LevelDoneDialog>() && is<LevelDoneDialog>(w));
        QVERIFY(!built<GameWindow>() && !built<TimeUpDialog>() && !built<StartWindow>());
    }

    void aRestartedProgramBuildsItsWindowsAfresh()
    {
        GameDir dir;
        Forms forms(false);
        playerDialog();
        playerStore()->roster.playerCount = 1;
        restartApp(false);
        QVERIFY(!built<PlayerDialog>());
        QCOMPARE(int(playerStore()->roster.playerCount), 0); // a new program, read afresh
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
