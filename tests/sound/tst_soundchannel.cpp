// The sound channel on SDL's disk driver, which writes the mixed output to a
// file: proof that a sound really reaches the output, replaces the one before
// it within one mixer buffer, loops, and stops.
#include "sound/audiodevice.h"
#include "sound/soundchannel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

using Frames = std::vector<qint32>; // one stereo frame packed as left | right << 16

Frames framesOf(const QByteArray& pcm)
{
    Frames f(std::size_t(pcm.size() / 4));
    if (!f.empty()) // memcpy from or to null is undefined even for no bytes
        std::memcpy(f.data(), pcm.constData(), f.size() * 4);
    return f;
}

Frames recording(const QString& name)
{
    QFile f(QStringLiteral(":/sounds/") + name + QStringLiteral(".WAV"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return framesOf(f.readAll().mid(44));
}

// Where `needle` begins in `hay` at or after `from`, or -1.
long find(const Frames& hay, const Frames& needle, std::size_t len, std::size_t from = 0)
{
    for (std::size_t i = from; i + len <= hay.size(); ++i)
        if (std::equal(needle.begin(), needle.begin() + long(len), hay.begin() + long(i)))
            return long(i);
    return -1;
}

constexpr int kBuffer = 1024; // the mixer's buffer in frames

} // namespace

class TestSoundChannel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void soundReachesTheOutputWhole();
    void nextSoundReplacesThePlayingOneWithinABuffer();
    void loopRepeatsUntilStopped();
    void unknownNameStopsTheSoundAndPlaysNothing();
    void everyRequestIsLogged();

private:
    Frames output() const;
    // Waits (on the real audio thread) until `done` holds for the output.
    bool waitFor(const std::function<bool(const Frames&)>& done, int timeoutMs = 8000) const;
    QTemporaryDir dir_;
    QString file_;
};

void TestSoundChannel::initTestCase()
{
    QVERIFY(!sound::audio::isOpen()); // nothing opens the device before it is needed
    file_ = dir_.filePath(QStringLiteral("out.raw"));
}

void TestSoundChannel::init()
{
    QFile::remove(file_);
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", file_.toUtf8());
    sound::SoundChannel::instance().log.clear();
}

void TestSoundChannel::cleanup() { sound::audio::close(); }

Frames TestSoundChannel::output() const
{
    QFile f(file_);
    return f.open(QIODevice::ReadOnly) ? framesOf(f.readAll()) : Frames{};
}

bool TestSoundChannel::waitFor(const std::function<bool(const Frames&)>& done, int timeoutMs) const
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (done(output()))
            return true;
        QTest::qWait(20);
    }
    return false;
}

void TestSoundChannel::soundReachesTheOutputWhole()
{
    const Frames pause = recording(QStringLiteral("PAUSE"));
    QVERIFY(!pause.empty());
    sound::SoundChannel::instance().play(QStringLiteral("pause"));
    QCOMPARE(sound::audio::driverName(), QStringLiteral("disk"));
    QVERIFY(waitFor([&](const Frames& out) { return find(out, pause, pause.size()) >= 0; }));
    // Nothing of it before, silence after: exactly its 16538 frames.
    const Frames out = output();
    const long at = find(out, pause, pause.size());
    QVERIFY(std::all_of(out.begin(), out.begin() + at, [](qint32 s) { return s == 0; }));
    QVERIFY(std::all_of(out.begin() + at + long(pause.size()), out.end(), [](qint32 s) { return s == 0; }));
    QCOMPARE(long(pause.size()), 16538L);
}

void TestSoundChannel::nextSoundReplacesThePlayingOneWithinABuffer()
{
    const Frames first = recording(QStringLiteral("TALALAT2"));
    const Frames second = recording(QStringLiteral("PAUSE_VEGE"));
    auto& ch = sound::SoundChannel::instance();
    ch.play(QStringLiteral("talalat2"));
    const std::size_t some = 44100 / 5; // let a fifth of a second of it play
    QVERIFY(waitFor([&](const Frames& out) { return find(out, first, some) >= 0; }));
    ch.play(QStringLiteral("pause_vege"));
    QVERIFY(waitFor([&](const Frames& out) { return find(out, second, second.size()) >= 0; }));

    const Frames out = output();
    const long start = find(out, first, some);
    const long next = find(out, second, second.size(), std::size_t(start));
    QVERIFY(next > start);
    // The first sound ran unbroken from its beginning up to the switch...
    QVERIFY(std::equal(out.begin() + start, out.begin() + next, first.begin()));
    QVERIFY(next - start < long(first.size()));
    // ...and the second followed with no gap, from its own beginning, whole.
    QVERIFY(std::all_of(out.begin() + next + long(second.size()), out.end(), [](qint32 s) { return s == 0; }));
    // The switch falls on a buffer boundary: at most one buffer after the request.
    QCOMPARE((next - start) % kBuffer, 0L);
}

void TestSoundChannel::loopRepeatsUntilStopped()
{
    const Frames pause = recording(QStringLiteral("PAUSE"));
    auto& ch = sound::SoundChannel::instance();
    ch.play(QStringLiteral("PAUSE"), true);
    const auto threeTimes = [&](const Frames& out) {
        const long a = find(out, pause, pause.size());
        return a >= 0 && find(out, pause, pause.size(), std::size_t(a) + 2 * pause.size()) >= 0;
    };
    QVERIFY(waitFor(threeTimes));
    ch.stop();
    const std::size_t atStop = output().size();
    QVERIFY(waitFor([&](const Frames& out) { return out.size() > atStop + 4 * kBuffer; }));
    const Frames out = output();
    const long a = find(out, pause, pause.size());
    // Back to back, with no gap between the repeats.
    QCOMPARE(find(out, pause, pause.size(), std::size_t(a) + pause.size()), a + long(pause.size()));
    // Within a buffer or two of the stop the output is silent for good.
    QVERIFY(std::all_of(out.begin() + long(atStop) + 2 * kBuffer, out.end(), [](qint32 s) { return s == 0; }));
}

void TestSoundChannel::unknownNameStopsTheSoundAndPlaysNothing()
{
    auto& ch = sound::SoundChannel::instance();
    ch.play(QStringLiteral("endgame"), true);
    QVERIFY(waitFor([](const Frames& out) { return std::any_of(out.begin(), out.end(), [](qint32 s) { return s != 0; }); }));
    ch.play(QStringLiteral("nincs_ilyen"));
    const std::size_t atRequest = output().size();
    QVERIFY(waitFor([&](const Frames& out) { return out.size() > atRequest + 4 * kBuffer; }));
    const Frames out = output();
    QVERIFY(std::all_of(out.begin() + long(atRequest) + 2 * kBuffer, out.end(), [](qint32 s) { return s == 0; }));
}

void TestSoundChannel::everyRequestIsLogged()
{
    auto& ch = sound::SoundChannel::instance();
    ch.play(QStringLiteral("Talalat"));
    ch.play(QStringLiteral("endgame"), true);
    QCOMPARE(ch.current(), QStringLiteral("endgame"));
    ch.stop();
    QCOMPARE(ch.current(), QString());
    QCOMPARE(ch.log, QStringList({"talalat", "endgame (loop)", "stop"}));
}

QTEST_GUILESS_MAIN(TestSoundChannel)
#include "tst_soundchannel.moc"
