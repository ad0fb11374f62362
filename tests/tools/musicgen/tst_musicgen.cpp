// The music generator: where the pieces go, how long they must be, that the
// same seed gives the same bytes, that neighbours sound different, and that
// a rerun only makes what is missing or stale.
#include "composer.h"
#include "musicgen.h"
#include "render.h"
#include "sound/musicplayer.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <set>

using namespace musicgen;

namespace {

QByteArray bytesOf(const std::vector<std::uint8_t>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

std::set<int> scaleOf(const Style& s)
{
    // The same modes the composer uses, by their step patterns.
    static const int modes[5][7] = {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 5, 7, 9, 10}, {0, 2, 4, 6, 7, 9, 11},
                                    {0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 8, 10}};
    std::set<int> pcs;
    for (int step : modes[s.scale])
        pcs.insert((s.key + step) % 12);
    return pcs;
}

} // namespace

class TestMusicGen : public QObject {
    Q_OBJECT
private slots:
    void piecesGoWhereTheGameLooks_data();
    void piecesGoWhereTheGameLooks();
    void requiredLengthFollowsTheLevel_data();
    void requiredLengthFollowsTheLevel();
    void diffCountIsReadFromTheLevelFile();
    void composedPieceCoversItsLength_data();
    void composedPieceCoversItsLength();
    void decodedPieceIsAtLeastAsLongAsAsked();
    void sameSeedGivesTheSameBytes();
    void neighbouringPiecesSoundDifferent();
    void titlePieceHasItsOwnCharacter();
    void melodyAndHarmonyStayInTheKey_data();
    void melodyAndHarmonyStayInTheKey();
    void renderedPieceFadesAndKeepsHeadroom();
    void rerunMakesOnlyMissingStaleOrTooShortPieces();
};

void TestMusicGen::piecesGoWhereTheGameLooks_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("path");
    QTest::newRow("title, lower case") << 0 << "music/000.mp3";
    QTest::newRow("level 7") << 7 << "MUSIC/007.MP3";
    QTest::newRow("level 42") << 42 << "MUSIC/042.MP3";
    QTest::newRow("level 100") << 100 << "MUSIC/100.MP3";
}

void TestMusicGen::piecesGoWhereTheGameLooks()
{
    QFETCH(int, piece);
    QFETCH(QString, path);
    QCOMPARE(QString::fromStdString(relativePath(piece)), path);
}

void TestMusicGen::requiredLengthFollowsTheLevel_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("diffCount");
    QTest::addColumn<double>("seconds");
    QTest::newRow("title: two minutes") << 0 << 0 << 120.0;
    QTest::newRow("level without a file") << 1 << 0 << 150.0;
    QTest::newRow("15 differences") << 5 << 15 << 150.0;
    QTest::newRow("16 differences") << 6 << 16 << 160.0;
    QTest::newRow("25 differences") << 99 << 25 << 250.0;
}

void TestMusicGen::requiredLengthFollowsTheLevel()
{
    QFETCH(int, piece);
    QFETCH(int, diffCount);
    QFETCH(double, seconds);
    QCOMPARE(requiredSeconds(piece, diffCount), seconds);
}

void TestMusicGen::diffCountIsReadFromTheLevelFile()
{
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    testsupport::writeTestLevel(dir.path() + QLatin1Char('/'), 3, testsupport::spreadPoints(17));
    QCOMPARE(levelDiffCount(root, 3), 17);
    QCOMPARE(levelDiffCount(root, 4), 0); // missing
    QFile short_(dir.filePath(QStringLiteral("DATA/005.DAT")));
    QVERIFY(short_.open(QIODevice::WriteOnly));
    short_.write(QByteArray(1000, '\x09'));
    short_.close();
    QCOMPARE(levelDiffCount(root, 5), 0); // not a level file
}

void TestMusicGen::composedPieceCoversItsLength_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<double>("seconds");
    for (int piece : {0, 1, 37, 100})
        for (double s : {120.0, 153.0, 253.0})
            QTest::addRow("piece %d, %.0f s", piece, s) << piece << s;
}

void TestMusicGen::composedPieceCoversItsLength()
{
    QFETCH(int, piece);
    QFETCH(double, seconds);
    const Score sc = compose(piece, seconds);
    QVERIFY(sc.seconds >= seconds);
    QVERIFY2(sc.seconds < seconds + 25, qPrintable(QString::number(sc.seconds))); // no waste on disk
    double lastStart = 0;
    for (const auto& n : sc.notes)
        lastStart = std::max(lastStart, n.start);
    // Music all the way, ending with the held chord inside the fade.
    QVERIFY(lastStart > sc.seconds - 10 && lastStart < sc.seconds - 3);
    QVERIFY(sc.notes.size() > std::size_t(seconds * 2));
}

void TestMusicGen::decodedPieceIsAtLeastAsLongAsAsked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("012.MP3"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QByteArray mp3 = bytesOf(makePiece(12, 30));
    f.write(mp3);
    f.close();
    // An MPEG frame first, carrying the tag that tells decoders the length.
    QCOMPARE(quint8(mp3[0]), quint8(0xFF));
    QVERIFY((quint8(mp3[1]) & 0xE0) == 0xE0);
    QVERIFY(mp3.left(400).contains("Info") || mp3.left(400).contains("Xing"));
    sound::MusicPlayer p(false);
    p.setFileName(path);
    p.open();
    QVERIFY2(p.duration() >= 30000, qPrintable(QString::number(p.duration())));
    // 64 kbit/s: about 8 kB a second.
    QVERIFY(std::abs(mp3.size() / (p.duration() / 1000.0) - 8000) < 400);
}

void TestMusicGen::sameSeedGivesTheSameBytes()
{
    const QByteArray a = bytesOf(makePiece(5, 20));
    QCOMPARE(bytesOf(makePiece(5, 20)), a);
    QVERIFY(bytesOf(makePiece(6, 20)) != a);
}

void TestMusicGen::neighbouringPiecesSoundDifferent()
{
    for (int p = 1; p < 100; ++p) {
        const Style a = styleFor(p), b = styleFor(p + 1);
        const QByteArray where = QByteArray::number(p);
        QVERIFY2(a.key != b.key, where);
        QVERIFY2(a.lead != b.lead, where);
        QVERIFY2(a.groove != b.groove, where);
        QVERIFY2(a.comp != b.comp, where);
        QVERIFY2(std::abs(a.bpm - b.bpm) >= 8, where);
        QVERIFY2(b.bpm >= 72 && b.bpm <= 116, where);
        // Within a piece the second theme answers in another instrument.
        QVERIFY2(a.answer != a.lead && a.answer != a.compVoice, where);
    }
    // Over the whole game every lead and groove turns up often.
    std::map<int, int> leads, grooves;
    for (int p = 1; p <= 100; ++p) {
        ++leads[int(styleFor(p).lead)];
        ++grooves[int(styleFor(p).groove)];
    }
    QCOMPARE(int(leads.size()), 6);
    QCOMPARE(int(grooves.size()), 5);
    for (const auto& [lead, count] : leads)
        QVERIFY(count >= 8);
}

void TestMusicGen::titlePieceHasItsOwnCharacter()
{
    const Style title = styleFor(0);
    QCOMPARE(title.beatsPerBar, 3);
    QCOMPARE(int(title.groove), int(Groove::Waltz));
    for (int p = 1; p <= 100; ++p) {
        QCOMPARE(styleFor(p).beatsPerBar, 4);
        QVERIFY(styleFor(p).groove != Groove::Waltz);
    }
}

void TestMusicGen::melodyAndHarmonyStayInTheKey_data()
{
    QTest::addColumn<int>("piece");
    for (int p : {0, 1, 2, 3, 17, 64, 100})
        QTest::addRow("piece %d", p) << p;
}

void TestMusicGen::melodyAndHarmonyStayInTheKey()
{
    QFETCH(int, piece);
    const Score sc = compose(piece, 150);
    const std::set<int> scale = scaleOf(sc.style);
    int checked = 0;
    for (const auto& n : sc.notes) {
        if (n.voice == synth::Voice::Bass)
            continue; // the walking bass may approach chromatically
        QVERIFY2(scale.count(int(n.midi) % 12), qPrintable(QString::number(n.midi)));
        QVERIFY(n.midi >= 43 && n.midi <= 108);
        ++checked;
    }
    QVERIFY(checked > 100);
}

void TestMusicGen::renderedPieceFadesAndKeepsHeadroom()
{
    const synth::Stereo pcm = render(compose(3, 30), kRate);
    QCOMPARE(pcm.rate, kRate);
    const float p = synth::peak(pcm);
    QVERIFY(p > 0.8f && p <= 0.86f);
    const auto rmsOf = [&](std::size_t from, std::size_t n) {
        double s = 0;
        for (std::size_t i = from; i < from + n; ++i)
            s += double(pcm.l[i]) * pcm.l[i] + double(pcm.r[i]) * pcm.r[i];
        return std::sqrt(s / double(2 * n));
    };
    const std::size_t tenMs = kRate / 100;
    QVERIFY(rmsOf(0, tenMs) < 0.01);
    QVERIFY(rmsOf(pcm.frames() - tenMs, tenMs) < 0.002);
    QVERIFY(rmsOf(pcm.frames() / 3, pcm.frames() / 3) > 0.05);
}

void TestMusicGen::rerunMakesOnlyMissingStaleOrTooShortPieces()
{
    QTemporaryDir dir;
    QTemporaryFile progressFile;
    QVERIFY(progressFile.open());
    std::FILE* progress = std::fopen(progressFile.fileName().toLocal8Bit().constData(), "w");
    Options o;
    o.out = dir.path().toStdString();
    o.first = 0;
    o.last = 2;
    o.levelSeconds = 12;
    o.titleSeconds = 12;
    o.progress = progress;
    const auto file = [&](int piece) { return dir.filePath(QString::fromStdString(relativePath(piece))); };

    Summary s = generate(o);
    std::fclose(progress);
    QCOMPARE(s.made, 3);
    for (int p = 0; p <= 2; ++p)
        QVERIFY(QFileInfo(file(p)).size() > 10000);
    QVERIFY(!QFile::exists(file(3)));
    QFile log(progressFile.fileName());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray shown = log.readAll();
    QVERIFY(shown.contains("music/000.mp3") && shown.contains("MUSIC/002.MP3") && shown.contains("/3]"));

    o.progress = nullptr;
    const QDateTime made = QFileInfo(file(1)).lastModified();
    s = generate(o);
    QCOMPARE(s.made, 0);
    QCOMPARE(s.upToDate, 3);
    QCOMPARE(QFileInfo(file(1)).lastModified(), made);

    // Level 2 turns out to have 4 differences: its piece must now last 40 s.
    testsupport::writeTestLevel(dir.path() + QLatin1Char('/'), 2, testsupport::spreadPoints(4));
    QFile::remove(file(0));
    s = generate(o);
    QCOMPARE(s.made, 2);
    QCOMPARE(QFileInfo(file(1)).lastModified(), made);
    sound::MusicPlayer p(false);
    p.setFileName(file(2));
    p.open();
    QVERIFY(p.duration() >= 40000);

    // A stamp from an older generator: everything is made again.
    QFile stamp(dir.filePath(QStringLiteral("MUSIC/musicgen.stamp")));
    QVERIFY(stamp.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stamp.write("0 0 200\n1 0 200\n2 0 200\n");
    stamp.close();
    QCOMPARE(generate(o).made, 3);
    QVERIFY(!QDir(dir.filePath(QStringLiteral("MUSIC"))).entryList({"*.part", "*.tmp"}, QDir::Files).size());
}

QTEST_MAIN(TestMusicGen)
#include "tst_musicgen.moc"
