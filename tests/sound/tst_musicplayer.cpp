// The media player's commands on real MP3 files that the test composes
// itself, played through SDL's silent dummy driver in real time.
#include "platform/ioerror.h"
#include "sound/audiodevice.h"
#include "sound/musicplayer.h"
#include "tunes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <SDL_mixer.h>

#include <functional>

using sound::MusicPlayer;

namespace {

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 4000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// Opens `file` in `p` and plays it from `fromMs` until it is heard to move
// on. Starting well into the piece keeps "from the beginning" and "from where
// it was" far apart, however slowly a loaded machine runs the test.
bool playing(MusicPlayer& p, const QString& file, qint64 fromMs = 0)
{
    p.setFileName(file);
    p.open();
    if (fromMs > 0)
        p.seek(fromMs);
    p.play();
    return p.mode() == MusicPlayer::Playing && waitUntil([&] { return p.position() > fromMs + 50; });
}

// Slack for a test thread that a busy machine keeps waiting.
constexpr qint64 kSlack = 500;

} // namespace

class TestMusicPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void openFailureRaisesTheMixersOwnText_data();
    void openFailureRaisesTheMixersOwnText();
    void commandsAfterAFailedOpenDoNothing();
    void openLeavesThePieceStoppedAtItsBeginning();
    void stopKeepsThePositionAndPlayContinuesFromIt();
    void pauseTogglesAndResumesWhereItPaused();
    void seekMovesThePositionAndStopsPlaying();
    void seekPastTheEndIsIgnoredAndPlayGoesOn();
    void startPositionZeroIsUsedOnceAndForgotten();
    void pieceThatEndsFallsSilentAndStops();
    void playAtTheEndRewindsOnlyWithAutoRewind_data();
    void playAtTheEndRewindsOnlyWithAutoRewind();
    void aPlayerThatPlaysTakesTheStreamFromTheOther();
    void reopeningRestartsFromTheBeginning();
    void everyCommandIsLogged();

private:
    QString longTune_, shortTune_;
    QTemporaryDir dir_;
};

void TestMusicPlayer::initTestCase()
{
    longTune_ = dir_.filePath(QStringLiteral("long.mp3"));
    shortTune_ = dir_.filePath(QStringLiteral("short.mp3"));
    QVERIFY(soundtest::writeTune(longTune_, 8.0));
    QVERIFY(soundtest::writeTune(shortTune_, 0.6));
    QFile junk(dir_.filePath(QStringLiteral("junk.mp3")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4000, 'x'));
}

void TestMusicPlayer::openFailureRaisesTheMixersOwnText_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << QStringLiteral("MUSIC/042.MP3");
    QTest::newRow("not music") << QStringLiteral("junk.mp3");
}

void TestMusicPlayer::openFailureRaisesTheMixersOwnText()
{
    QFETCH(QString, file);
    MusicPlayer p(false);
    p.setFileName(dir_.filePath(file));
    QString message;
    try {
        p.open();
    } catch (const platform::RuntimeError& e) {
        message = e.message();
    }
    QVERIFY(!message.isEmpty());
    QCOMPARE(message, QString::fromUtf8(Mix_GetError()));
    QCOMPARE(p.mode(), MusicPlayer::NotOpen);
}

void TestMusicPlayer::commandsAfterAFailedOpenDoNothing()
{
    MusicPlayer good(false);
    good.setFileName(longTune_);
    good.open();
    MusicPlayer p(false);
    p.setFileName(dir_.filePath(QStringLiteral("nincs.mp3")));
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, p.open());
    p.play();
    p.pause();
    p.seek(3000);
    p.stop();
    QCOMPARE(p.mode(), MusicPlayer::NotOpen);
    QCOMPARE(p.position(), 0);
    // A later open works as ever.
    p.setFileName(longTune_);
    p.open();
    QCOMPARE(p.mode(), MusicPlayer::Stopped);
}

void TestMusicPlayer::openLeavesThePieceStoppedAtItsBeginning()
{
    MusicPlayer p(false);
    QCOMPARE(p.mode(), MusicPlayer::NotOpen);
    QVERIFY(p.fileName().isEmpty());
    p.setFileName(longTune_);
    p.open();
    QCOMPARE(p.mode(), MusicPlayer::Stopped);
    QCOMPARE(p.position(), 0);
    QVERIFY2(std::abs(p.duration() - 8000) < 100, qPrintable(QString::number(p.duration())));
    QVERIFY(sound::audio::isOpen());
    QCOMPARE(sound::audio::driverName(), QStringLiteral("dummy"));
}

void TestMusicPlayer::stopKeepsThePositionAndPlayContinuesFromIt()
{
    MusicPlayer p(false);
    QVERIFY(playing(p, longTune_, 3000));
    p.stop();
    QCOMPARE(p.mode(), MusicPlayer::Stopped);
    const qint64 at = p.position();
    QVERIFY(at > 3000);
    QTest::qWait(150);
    QCOMPARE(p.position(), at);
    p.play();
    QCOMPARE(p.mode(), MusicPlayer::Playing);
    QVERIFY(p.position() >= at && p.position() < at + kSlack);
}

void TestMusicPlayer::pauseTogglesAndResumesWhereItPaused()
{
    MusicPlayer p(false);
    p.setFileName(longTune_);
    p.open();
    p.pause(); // stopped: nothing happens
    QCOMPARE(p.mode(), MusicPlayer::Stopped);
    QVERIFY(playing(p, longTune_, 3000));
    p.pause();
    QCOMPARE(p.mode(), MusicPlayer::Paused);
    const qint64 at = p.position();
    QTest::qWait(150);
    QCOMPARE(p.position(), at);
    p.pause();
    QCOMPARE(p.mode(), MusicPlayer::Playing);
    QVERIFY(p.position() >= at && p.position() < at + kSlack);
    // The game resumes with play, which also continues where it paused.
    p.pause();
    const qint64 again = p.position();
    p.play();
    QCOMPARE(p.mode(), MusicPlayer::Playing);
    QVERIFY(p.position() >= again && p.position() < again + kSlack);
}

void TestMusicPlayer::seekMovesThePositionAndStopsPlaying()
{
    MusicPlayer p(false);
    QVERIFY(playing(p, longTune_));
    const qint64 before = p.position();
    p.seek(before + 5000); // the penalty's jump
    QCOMPARE(p.mode(), MusicPlayer::Stopped);
    QCOMPARE(p.position(), before + 5000);
    p.play();
    QCOMPARE(p.mode(), MusicPlayer::Playing);
    QVERIFY(waitUntil([&] { return p.position() > before + 5050; }));
    QVERIFY(p.position() < before + 5000 + kSlack);
}

void TestMusicPlayer::seekPastTheEndIsIgnoredAndPlayGoesOn()
{
    MusicPlayer p(false);
    QVERIFY(playing(p, longTune_, 3000));
    p.seek(p.duration() + 5000);
    QCOMPARE(p.mode(), MusicPlayer::Playing);
    const qint64 at = p.position();
    QVERIFY(at > 3000 && at < 3000 + kSlack);
    p.play();
    QCOMPARE(p.mode(), MusicPlayer::Playing);
    QVERIFY(p.position() >= at && p.position() < at + kSlack);
}

void TestMusicPlayer::startPositionZeroIsUsedOnceAndForgotten()
{
    MusicPlayer p(true);
    p.setFileName(longTune_);
    p.open();
    p.seek(4000);
    p.setStartPositionZero();
    p.play();
    QVERIFY(p.position() < kSlack);
    p.seek(4000);
    p.play();
    QVERIFY(p.position() >= 4000);
}

void TestMusicPlayer::pieceThatEndsFallsSilentAndStops()
{
    MusicPlayer p(false);
    QVERIFY(playing(p, shortTune_));
    QVERIFY(waitUntil([&] { return p.mode() == MusicPlayer::Stopped; }));
    QCOMPARE(p.position(), p.duration());
    QVERIFY(!Mix_PlayingMusic()); // no repeat
}

void TestMusicPlayer::playAtTheEndRewindsOnlyWithAutoRewind_data()
{
    QTest::addColumn<bool>("autoRewind");
    QTest::newRow("start window: rewinds") << true;
    QTest::newRow("game window: plays nothing") << false;
}

void TestMusicPlayer::playAtTheEndRewindsOnlyWithAutoRewind()
{
    QFETCH(bool, autoRewind);
    MusicPlayer p(autoRewind);
    QVERIFY(playing(p, shortTune_));
    QVERIFY(waitUntil([&] { return p.mode() == MusicPlayer::Stopped; }));
    p.play();
    if (autoRewind) {
        QCOMPARE(p.mode(), MusicPlayer::Playing);
        QVERIFY(p.position() < p.duration() / 2);
    } else {
        QCOMPARE(p.mode(), MusicPlayer::Stopped);
        QCOMPARE(p.position(), p.duration());
        QVERIFY(!Mix_PlayingMusic());
    }
}

void TestMusicPlayer::aPlayerThatPlaysTakesTheStreamFromTheOther()
{
    MusicPlayer title(true), level(false);
    level.setFileName(longTune_);
    level.open();
    QVERIFY(playing(title, longTune_, 4000));
    level.play();
    QCOMPARE(level.mode(), MusicPlayer::Playing);
    QCOMPARE(title.mode(), MusicPlayer::Stopped);
    const qint64 titleAt = title.position();
    QVERIFY(titleAt > 4000);
    QVERIFY(level.position() < kSlack); // each keeps its own position
    title.play();
    QCOMPARE(level.mode(), MusicPlayer::Stopped);
    QVERIFY(title.position() >= titleAt && title.position() < titleAt + kSlack);
}

void TestMusicPlayer::reopeningRestartsFromTheBeginning()
{
    MusicPlayer p(false);
    QVERIFY(playing(p, longTune_, 4000));
    p.open(); // the same piece again, as a retry of the level does
    QCOMPARE(p.mode(), MusicPlayer::Stopped);
    QCOMPARE(p.position(), 0);
    QVERIFY(!Mix_PlayingMusic());
    p.play();
    QVERIFY(p.position() < kSlack);
}

void TestMusicPlayer::everyCommandIsLogged()
{
    MusicPlayer p(true);
    p.setFileName(longTune_);
    p.open();
    p.setStartPositionZero();
    p.play();
    p.pause();
    p.seek(1234);
    p.stop();
    QCOMPARE(p.log, QStringList({"open " + longTune_, "from 0", "play", "pause", "seek 1234", "stop"}));
}

QTEST_GUILESS_MAIN(TestMusicPlayer)
#include "tst_musicplayer.moc"
