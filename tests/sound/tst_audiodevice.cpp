// Opening the audio output: only on first use, and silently on the dummy
// driver when the machine has no usable sound device.
#include "sound/audiodevice.h"
#include "sound/musicplayer.h"
#include "sound/soundchannel.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QFile>
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
    void cleanup() { sound::audio::close(); }
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

QTEST_MAIN(TestAudioDevice)
#include "tst_audiodevice.moc"
