// The twelve recordings embedded in the game: their format, exact length,
// headroom, and the character each one is meant to have.
#include <QFile>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Wav {
    QByteArray bytes;
    int channels = 0, rate = 0, bits = 0, format = 0, byteRate = 0, blockAlign = 0;
    quint32 riffSize = 0, dataSize = 0;
    std::vector<float> mono; // (left + right) / 2, full scale 1
    std::vector<qint16> interleaved;
};

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

Wav load(const QString& name)
{
    Wav w;
    QFile f(QStringLiteral(":/sounds/") + name + QStringLiteral(".WAV"));
    if (!f.open(QIODevice::ReadOnly))
        return w;
    w.bytes = f.readAll();
    const QByteArray& b = w.bytes;
    if (b.size() < 44)
        return w;
    w.riffSize = u32(b, 4);
    w.format = u16(b, 20);
    w.channels = u16(b, 22);
    w.rate = int(u32(b, 24));
    w.byteRate = int(u32(b, 28));
    w.blockAlign = u16(b, 32);
    w.bits = u16(b, 34);
    w.dataSize = u32(b, 40);
    const int samples = int(std::min<qint64>(w.dataSize, b.size() - 44) / 2);
    w.interleaved.resize(std::size_t(samples));
    for (int i = 0; i < samples; ++i)
        w.interleaved[std::size_t(i)] = qint16(u16(b, 44 + 2 * i));
    for (int i = 0; i + 1 < samples; i += 2)
        w.mono.push_back((w.interleaved[std::size_t(i)] + w.interleaved[std::size_t(i) + 1]) / 65536.0f);
    return w;
}

// RMS of consecutive windows of `ms` milliseconds.
std::vector<double> envelope(const std::vector<float>& x, int rate, double ms)
{
    const std::size_t n = std::size_t(rate * ms / 1000.0);
    std::vector<double> env;
    for (std::size_t at = 0; at + n <= x.size(); at += n) {
        double s = 0;
        for (std::size_t i = at; i < at + n; ++i)
            s += double(x[i]) * x[i];
        env.push_back(std::sqrt(s / double(n)));
    }
    return env;
}

double rms(const std::vector<float>& x, std::size_t from, std::size_t to)
{
    double s = 0;
    for (std::size_t i = from; i < to; ++i)
        s += double(x[i]) * x[i];
    return std::sqrt(s / double(std::max<std::size_t>(1, to - from)));
}

double peakOf(const Wav& w)
{
    int p = 0;
    for (qint16 s : w.interleaved)
        p = std::max(p, std::abs(int(s)));
    return p / 32768.0;
}

const QStringList kAll = {"PALYA_KEZD", "TALALAT", "TALALAT2", "HELP",      "NEMJO",    "KETYEG",
                          "PAUSE",      "PAUSE_VEGE", "HELPPOS", "PALYA_FAIL", "PALYA_OK", "ENDGAME"};
const QStringList kSingleEvents = {"PALYA_KEZD", "TALALAT",  "TALALAT2",   "HELP",    "NEMJO",
                                   "PAUSE",      "PAUSE_VEGE", "HELPPOS", "PALYA_FAIL", "PALYA_OK"};

} // namespace

class TestSoundEffects : public QObject {
    Q_OBJECT
private slots:
    // The recordings sit in the game's static library as one object that
    // only naming it links in, as the audio device does.
    void initTestCase() { Q_INIT_RESOURCE(sounds); }
    void recordingIsPlainPcmStereo44k_data();
    void recordingIsPlainPcmStereo44k();
    void recordingHasExactLength_data();
    void recordingHasExactLength();
    void recordingNeverClips_data() { names(kAll); }
    void recordingNeverClips();
    void singleEventStartsAndFadesToSilence_data() { names(kSingleEvents); }
    void singleEventStartsAndFadesToSilence();
    void ketyegTicksEvenlyFourTimesASecond();
    void ketyegIsQuiet();
    void talalat2SwellsIntoItsSecondHalf();
    void helpposIsTheSoftest();
    void endgameBeatIsJustUnderHalfASecond();
    void endgameLoopsWithoutAClick();

private:
    static void names(const QStringList& list)
    {
        QTest::addColumn<QString>("name");
        for (const QString& n : list)
            QTest::newRow(qPrintable(n)) << n;
    }
};

void TestSoundEffects::recordingIsPlainPcmStereo44k_data() { names(kAll); }

void TestSoundEffects::recordingIsPlainPcmStereo44k()
{
    QFETCH(QString, name);
    const Wav w = load(name);
    QVERIFY2(w.bytes.size() >= 44, "recording missing from the resources");
    QCOMPARE(w.bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(w.bytes.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(w.bytes.mid(36, 4), QByteArray("data"));
    QCOMPARE(w.format, 1);
    QCOMPARE(w.channels, 2);
    QCOMPARE(w.rate, 44100);
    QCOMPARE(w.bits, 16);
    QCOMPARE(w.byteRate, 176400);
    QCOMPARE(w.blockAlign, 4);
    QCOMPARE(qint64(w.riffSize), qint64(w.bytes.size()) - 8);
    QCOMPARE(qint64(w.dataSize), qint64(w.bytes.size()) - 44);
}

void TestSoundEffects::recordingHasExactLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("seconds");
    const double lengths[] = {2.500, 3.429, 6.000, 1.750, 2.250, 4.000, 0.375, 0.375, 1.500, 3.375, 4.000, 15.000};
    for (int i = 0; i < kAll.size(); ++i)
        QTest::newRow(qPrintable(kAll[i])) << kAll[i] << lengths[i];
}

void TestSoundEffects::recordingHasExactLength()
{
    QFETCH(QString, name);
    QFETCH(double, seconds);
    const Wav w = load(name);
    QCOMPARE(qint64(w.dataSize), qint64(std::llround(seconds * 44100)) * 4);
}

void TestSoundEffects::recordingNeverClips()
{
    QFETCH(QString, name);
    const Wav w = load(name);
    QVERIFY(!w.interleaved.empty());
    // Headroom below full scale, and not a silent file either.
    QVERIFY2(peakOf(w) < 0.95, qPrintable(QString::number(peakOf(w))));
    QVERIFY(peakOf(w) > 0.05);
}

void TestSoundEffects::singleEventStartsAndFadesToSilence()
{
    QFETCH(QString, name);
    const Wav w = load(name);
    const auto env = envelope(w.mono, 44100, 10);
    QVERIFY(env.size() > 10);
    const double loudest = *std::max_element(env.begin(), env.end());
    // The sound answers at once, not after a gap...
    const double opening = *std::max_element(env.begin(), env.begin() + 5);
    QVERIFY2(opening > loudest * 0.05, qPrintable(QString::number(opening / loudest)));
    // ...and it has died away by its last sample: no click when it ends.
    QVERIFY2(env.back() < loudest * 0.02, qPrintable(QString::number(env.back() / loudest)));
    QVERIFY(std::abs(w.interleaved.back()) < 64);
    QVERIFY(std::abs(w.interleaved[w.interleaved.size() - 2]) < 64);
}

void TestSoundEffects::ketyegTicksEvenlyFourTimesASecond()
{
    const Wav w = load(QStringLiteral("KETYEG"));
    const auto env = envelope(w.mono, 44100, 5);
    const double loudest = *std::max_element(env.begin(), env.end());
    std::vector<double> onsets;
    for (std::size_t i = 0; i < env.size(); ++i) {
        const bool rising = env[i] > loudest * 0.4 && (i == 0 || env[i - 1] <= loudest * 0.4);
        if (rising && (onsets.empty() || i * 0.005 - onsets.back() > 0.1))
            onsets.push_back(double(i) * 0.005);
    }
    QCOMPARE(int(onsets.size()), 16);
    for (std::size_t i = 1; i < onsets.size(); ++i)
        QVERIFY2(std::abs(onsets[i] - onsets[i - 1] - 0.25) < 0.012, qPrintable(QString::number(onsets[i] - onsets[i - 1])));
    // Even: every tick about as loud as the others.
    std::vector<double> tickPeaks;
    for (double t : onsets) {
        const std::size_t at = std::size_t(t / 0.005);
        tickPeaks.push_back(*std::max_element(env.begin() + long(at), env.begin() + long(std::min(env.size(), at + 8))));
    }
    const auto [lo, hi] = std::minmax_element(tickPeaks.begin(), tickPeaks.end());
    QVERIFY(*lo > *hi * 0.7);
}

void TestSoundEffects::ketyegIsQuiet()
{
    const Wav tick = load(QStringLiteral("KETYEG"));
    QVERIFY(peakOf(tick) < 0.4);
    QVERIFY(peakOf(tick) < peakOf(load(QStringLiteral("TALALAT"))));
}

void TestSoundEffects::talalat2SwellsIntoItsSecondHalf()
{
    const Wav w = load(QStringLiteral("TALALAT2"));
    const std::size_t half = w.mono.size() / 2;
    const double first = rms(w.mono, 0, half), second = rms(w.mono, half, w.mono.size());
    QVERIFY2(second > first * 1.3, qPrintable(QStringLiteral("%1 vs %2").arg(first).arg(second)));
    // It grows through the first half rather than starting loud.
    const double opening = rms(w.mono, 0, half / 3), beforeHalf = rms(w.mono, half * 2 / 3, half);
    QVERIFY(beforeHalf > opening * 1.5);
}

void TestSoundEffects::helpposIsTheSoftest()
{
    const double soft = peakOf(load(QStringLiteral("HELPPOS")));
    QVERIFY(soft < 0.18); // about -15 dBFS at most
    for (const QString& n : kAll)
        if (n != QLatin1String("HELPPOS"))
            QVERIFY2(peakOf(load(n)) > soft * 1.5, qPrintable(n));
}

void TestSoundEffects::endgameBeatIsJustUnderHalfASecond()
{
    const Wav w = load(QStringLiteral("ENDGAME"));
    const auto env = envelope(w.mono, 44100, 10);
    // Onset strength: how much louder each window is than the one before.
    std::vector<double> flux(env.size(), 0.0);
    for (std::size_t i = 1; i < env.size(); ++i)
        flux[i] = std::max(0.0, env[i] - env[i - 1]);
    int bestLag = 0;
    double best = -1;
    for (int lag = 30; lag <= 60; ++lag) { // 0.30 .. 0.60 s
        double s = 0;
        for (std::size_t i = 0; i < flux.size(); ++i)
            s += flux[i] * flux[(i + std::size_t(lag)) % flux.size()];
        if (s > best) {
            best = s;
            bestLag = lag;
        }
    }
    QVERIFY2(bestLag >= 42 && bestLag <= 49, qPrintable(QString::number(bestLag)));
}

void TestSoundEffects::endgameLoopsWithoutAClick()
{
    const Wav w = load(QStringLiteral("ENDGAME"));
    const auto& s = w.interleaved;
    const std::size_t n = s.size() / 2;
    // The largest step between neighbouring samples inside the piece...
    std::vector<int> steps;
    for (std::size_t i = 1; i < n; ++i)
        steps.push_back(std::abs(int(s[2 * i]) - int(s[2 * i - 2])));
    std::sort(steps.begin(), steps.end());
    const int typical = steps[steps.size() * 999 / 1000];
    // ...is not exceeded where the end joins the beginning again.
    for (int ch = 0; ch < 2; ++ch) {
        const int seam = std::abs(int(s[std::size_t(ch)]) - int(s[2 * (n - 1) + std::size_t(ch)]));
        QVERIFY2(seam <= typical, qPrintable(QStringLiteral("%1 > %2").arg(seam).arg(typical)));
    }
    // The music carries on across the seam: neither end is a fade.
    const std::size_t tenth = 4410;
    const double head = rms(w.mono, 0, tenth), tail = rms(w.mono, w.mono.size() - tenth, w.mono.size());
    QVERIFY(head > 0.02 && tail > 0.02);
}

QTEST_GUILESS_MAIN(TestSoundEffects)
#include "tst_soundeffects.moc"
