// Opening the audio output: only on first use, and silently on the dummy
// driver when the machine has no usable sound device.
#include "sound/audiodevice.h"
#include "sound/musicplayer.h"
#include "sound/soundchannel.h"
#include "support/testsupport.h"

#include "platform/timer.h"
#include "tunes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAudioDevice : public QObject {
    Q_OBJECT
private slots:
    void nothingIsOpenedBeforeTheFirstSound();
    void failingDeviceFallsBackToSilence_data();
    void failingDeviceFallsBackToSilence();
    void recordingsAreFoundWithoutRegardToCase_data();
    void recordingsAreFoundWithoutRegardToCase();
    void unknownRecordingIsNotFound();
    void silenceClosesTheDeviceAndTheNextSoundOpensIt();
    void aSoundBetweenTwoChecksStartsTheQuietTimeAgain();
    void musicLetGoInSilenceTakesUpWhereItWas_data();
    void musicLetGoInSilenceTakesUpWhereItWas();
    void initTestCase();
    void cleanup() { sound::audio::close(); }

private:
    QTemporaryDir dir_;
    QString tune_;
};

void TestAudioDevice::nothingIsOpenedBeforeTheFirstSound()
{
    // Creating the windows wires up both music players and the channel, but
    // must not touch the device.
    testsupport::GameDir dir;
    testsupport::Forms forms;
    QVERIFY(!sound::audio::isOpen());
}

void TestAudioDevice::failingDeviceFallsBackToSilence_data()
{
    QTest::addColumn<QByteArray>("driver");
    QTest::newRow("unknown driver") << QByteArray("nincs_ilyen");
    // Without a sound card ALSA fails to open its device: the usual case on
    // a server or in a container.
    if (!QFile::exists(QStringLiteral("/dev/snd")))
        QTest::newRow("alsa without a sound card") << QByteArray("alsa");
}

void TestAudioDevice::failingDeviceFallsBackToSilence()
{
    QFETCH(QByteArray, driver);
    qputenv("SDL_AUDIODRIVER", driver);
    testsupport::MessageLog messages;
    sound::SoundChannel::instance().play(QStringLiteral("talalat"));
    QVERIFY(sound::audio::isOpen());
    QCOMPARE(sound::audio::driverName(), QStringLiteral("dummy"));
    QVERIFY(messages.list.isEmpty());
}

void TestAudioDevice::recordingsAreFoundWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("as the game asks") << QStringLiteral("palya_kezd");
    QTest::newRow("as stored") << QStringLiteral("PALYA_KEZD");
    QTest::newRow("mixed") << QStringLiteral("Palya_Kezd");
}

void TestAudioDevice::recordingsAreFoundWithoutRegardToCase()
{
    QFETCH(QString, name);
    QVERIFY(sound::audio::ensureOpen());
    QVERIFY(sound::audio::effect(name) != nullptr);
}

void TestAudioDevice::unknownRecordingIsNotFound()
{
    QVERIFY(sound::audio::ensureOpen());
    QVERIFY(sound::audio::effect(QStringLiteral("palya")) == nullptr);
    QVERIFY(sound::audio::effect(QStringLiteral("")) == nullptr);
}

void TestAudioDevice::initTestCase()
{
    tune_ = dir_.filePath(QStringLiteral("tune.mp3"));
    QVERIFY(soundtest::writeTune(tune_, 8.0));
}

void TestAudioDevice::silenceClosesTheDeviceAndTheNextSoundOpensIt()
{
    using platform::VirtualClock;
    using sound::audio::kSilenceCheckMs;
    VirtualClock::activate();
    sound::SoundChannel& channel = sound::SoundChannel::instance();
    channel.play(QStringLiteral("endgame"), true); // loops: never silent by itself
    VirtualClock::advance(5 * kSilenceCheckMs);
    QVERIFY(sound::audio::isOpen());
    channel.stop();
    VirtualClock::advance(kSilenceCheckMs);
    QVERIFY(sound::audio::isOpen()); // one quiet check is not yet silence
    VirtualClock::advance(kSilenceCheckMs);
    QVERIFY(!sound::audio::isOpen());
    channel.play(QStringLiteral("talalat"));
    QVERIFY(sound::audio::isOpen());
    QVERIFY(sound::audio::audible());
    VirtualClock::deactivate();
}

void TestAudioDevice::aSoundBetweenTwoChecksStartsTheQuietTimeAgain()
{
    using platform::VirtualClock;
    using sound::audio::kSilenceCheckMs;
    VirtualClock::activate();
    sound::SoundChannel& channel = sound::SoundChannel::instance();
    channel.play(QStringLiteral("endgame"), true);
    channel.stop();
    VirtualClock::advance(kSilenceCheckMs);
    QVERIFY(sound::audio::isOpen()); // one quiet check behind it
    // A short effect, over before the next check looks: that check is the
    // first quiet one after it, not the second.
    channel.play(QStringLiteral("talalat"));
    QVERIFY(QTest::qWaitFor([] { return !sound::audio::audible(); }));
    VirtualClock::advance(kSilenceCheckMs);
    QVERIFY(sound::audio::isOpen());
    VirtualClock::advance(kSilenceCheckMs);
    QVERIFY(!sound::audio::isOpen());
    VirtualClock::deactivate();
}

void TestAudioDevice::musicLetGoInSilenceTakesUpWhereItWas_data()
{
    QTest::addColumn<bool>("resumeByPause"); // the pause button again, or play
    QTest::newRow("pause toggled back") << true;
    QTest::newRow("play") << false;
}

void TestAudioDevice::musicLetGoInSilenceTakesUpWhereItWas()
{
    QFETCH(bool, resumeByPause);
    using platform::VirtualClock;
    using sound::MusicPlayer;
    VirtualClock::activate();
    MusicPlayer player(false);
    player.setFileName(tune_);
    player.open();
    player.seek(3000); // well into the piece: far from "the beginning"
    player.play();
    QVERIFY(QTest::qWaitFor([&] { return player.position() > 3100; }));
    player.pause();
    const qint64 at = player.position();
    VirtualClock::advance(2 * sound::audio::kSilenceCheckMs);
    QVERIFY(!sound::audio::isOpen()); // paused music is silence too
    QCOMPARE(player.mode(), MusicPlayer::Paused);
    QCOMPARE(player.position(), at);
    if (resumeByPause)
        player.pause();
    else
        player.play();
    QVERIFY(sound::audio::isOpen());
    QCOMPARE(player.mode(), MusicPlayer::Playing);
    const qint64 resumed = player.position();
    QVERIFY2(resumed >= at && resumed < at + 500, qPrintable(QString::number(resumed - at)));
    VirtualClock::deactivate();
}

QTEST_MAIN(TestAudioDevice)
#include "tst_audiodevice.moc"
