// The program's start: only the start window is built before it shows, the
// audio library waits for its first paint, the settings are read without the
// settings window, and the other windows come when first used.
#include "app/forms.h"
#include "game/uBoardOK.h"
#include "game/uMain.h"
#include "menus/uStarter.h"
#include "players/records.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"
#include "sound/audiodevice.h"
#include "menus/menusupport.h"
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
        app::showStartWindow();
        QVERIFY(Form2.created());
        QVERIFY(Form2->isVisible());
        QVERIFY(!sound::audio::libraryLoaded());
        QVERIFY(Form2->MediaPlayer1.log.isEmpty()); // the show sequence waits for the paint
        QTRY_COMPARE(Form2->MediaPlayer1.mode(), sound::MusicPlayer::Playing);
        QVERIFY(sound::audio::libraryLoaded());
        for (bool built : {Form1.created(), Form3.created(), Form4.created(), Form8.created()})
            QVERIFY(!built);
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
        QVERIFY(!Form8.created());
        QCOMPARE(Form2->MediaPlayer1.mode() == sound::MusicPlayer::Playing, plays);
        QCOMPARE(storedSettings(dir), afterwards);

        // The settings window, built when first opened, starts from what was read.
        QTest::mouseClick(Form2->Button6, Qt::LeftButton);
        QCOMPARE(modals.shown, QStringList({"Form8"}));
        const players::SettingsRecord s = players::decodeSettings(afterwards.constData());
        QCOMPARE(Form8->chkSound->isChecked(), s.sound);
        QCOMPARE(Form8->chkPrecise->isChecked(), s.precise);
        QCOMPARE(Form8->chkMusic->isChecked(), s.music);
        QCOMPARE(Form8->chkShadow->isChecked(), s.shadow);
        QCOMPARE(Form2->MediaPlayer1.mode() == sound::MusicPlayer::Playing, plays);
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
        QVERIFY(!Form8.created());
        QTest::mouseClick(Form2->Button6, Qt::LeftButton);
        QVERIFY(Form8->chkMusic->isChecked()); // the boxes keep their states: all on
    }

    void comparingAndTestingWindowsBuildsNone()
    {
        Forms forms(false);
        QWidget other;
        QWidget* w = &other;
        QVERIFY(!(w == Form4));
        QVERIFY(!(Form4 == w));
        QVERIFY(!Form4);
        QVERIFY(!Form4.created());
        QWidget* built = Form4; // using it as a window builds it
        QVERIFY(Form4.created());
        QVERIFY(built == Form4);
        QVERIFY(Form4);
    }

    void destroyedWindowsAreBuiltAgainOnTheirNextUse()
    {
        GameDir dir;
        Forms forms(false);
        Form3->roster.playerCount = 1;
        app::destroyForms();
        QVERIFY(!Form3.created());
        QCOMPARE(int(Form3->roster.playerCount), 0); // a new window, read afresh
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
