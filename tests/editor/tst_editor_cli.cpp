// kovra2-editor's command line run as a program: levels made from photos and
// from picture pairs, and every kind of bad input refused with exit 2, one
// line of message and nothing written.
#include "editor/commandline.h"
#include "editor/photo.h"
#include "game/levelrecord.h"
#include "photolike.h"
#include "tools/levelgen/validator.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace editortest;

namespace {
struct Run {
    int exit = -1;
    QString out, err;
};

Run runEditor(const QStringList& args, const QString& wrapper = {}, const QStringList& wrapperArgs = {})
{
    QProcess p;
    p.setProgram(wrapper.isEmpty() ? QStringLiteral(KOVRA_EDITOR_EXE) : wrapper);
    p.setArguments(wrapper.isEmpty() ? args : wrapperArgs + QStringList{QStringLiteral(KOVRA_EDITOR_EXE)} + args);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY")); // the command line needs no display
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start();
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class EditorCliTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void autoWritesAValidLevelAndListsItsDifferences();
    void fewerThanAskedIsItsOwnExitStatus();
    void pairWritesTheEditsFound();
    void badInputIsRefusedAndNothingWritten_data();
    void badInputIsRefusedAndNothingWritten();
    void aFullDiskLeavesNothingBehind();
    void aBigPhotoDecodedSmallerGivesTheSameLevel();

private:
    QTemporaryDir dir_;
    QString photo_, original_, edited_;
    QString path(const QString& name) const { return dir_.filePath(name); }
};

void EditorCliTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    photo_ = path("photo.jpg");
    QVERIFY(writeBytes(photo_, jpegBytes(photoLike(1200, 900, 3))));
    const QImage pic = photoLike(708, 964, 4);
    original_ = path("original.jpg");
    QVERIFY(writeBytes(original_, jpegBytes(pic)));
    QImage ed = decode(jpegBytes(pic));
    paintEdit(ed, QPoint(200, 300), 12, 0);
    paintEdit(ed, QPoint(500, 700), 12, 1);
    edited_ = path("edited.jpg");
    QVERIFY(writeBytes(edited_, jpegBytes(ed)));
    // Bad inputs.
    QVERIFY(writeBytes(path("notes.jpg"), "just some words, no picture\n"));
    const QByteArray jpeg = jpegBytes(photoLike(800, 1000, 5));
    QVERIFY(writeBytes(path("truncated.jpg"), jpeg.left(jpeg.size() * 2 / 3)));
    QVERIFY(photoLike(300, 400, 6).save(path("small.png")));
    QVERIFY(writeBytes(path("other-size.jpg"), jpegBytes(photoLike(800, 964, 7))));
    QVERIFY(writeBytes(path("same.jpg"), jpegBytes(decode(jpegBytes(pic)))));
}

void EditorCliTest::autoWritesAValidLevelAndListsItsDifferences()
{
    const QString out = path("auto.DAT");
    // The made-up photo has room for two natural differences a player finds, or more.
    const Run r = runEditor({"--auto", "2", "--seed", "3", photo_, "-o", out});
    QVERIFY2(r.exit == 0, qPrintable(QStringLiteral("exit %1: %2").arg(r.exit).arg(r.err)));
    QVERIFY(r.err.isEmpty());
    const QStringList lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray rec = f.readAll();
    const levelgen::Report report = levelgen::validateLevel(rec);
    QVERIFY2(report.ok(), qPrintable(report.messages.join("; ")));
    for (int k = 0; k < lines.size(); ++k) {
        const QStringList cols = lines[k].split(' ');
        QCOMPARE(cols.size(), 5);
        QCOMPARE(cols[0].toInt(), k + 1);
        QCOMPARE(cols[1].toInt(), int(report.diffs[size_t(k)].point.x()));
        QCOMPARE(cols[2].toInt(), int(report.diffs[size_t(k)].point.y()));
        QVERIFY(QStringList({"remove", "recolour", "clone", "mirror", "enlarge", "object"}).contains(cols[3]));
        QVERIFY2(cols[4].toInt() >= 40, qPrintable(lines[k]));
        QVERIFY2(report.diffs[size_t(k)].noticeable >= 40, qPrintable(lines[k]));
    }
    // The same seed, the same level, byte for byte.
    const Run again = runEditor({"--auto", "2", "--seed", "3", photo_, "-o", path("auto2.DAT")});
    QCOMPARE(again.out, r.out);
    QFile g(path("auto2.DAT"));
    QVERIFY(g.open(QIODevice::ReadOnly));
    QVERIFY(g.readAll() == rec);
    // A frame of the photo's own pixels (one with things a clone can cover
    // whole: the shaded balls further left keep a shadow past what a clone
    // writes, and are rightly refused).
    const Run framed = runEditor({"--auto", "5", "--crop", "600,150,531,723", photo_, "-o", path("framed.DAT")});
    QVERIFY2(framed.exit == 0 || framed.exit == int(editor::kExitFewer), qPrintable(framed.err)); // a level is written either way
    // A small picture, enlarged when asked for.
    const Run upscaled = runEditor({"--auto", "4", "--upscale", path("small.png"), "-o", path("upscaled.DAT")});
    QVERIFY2(upscaled.exit == 0 || upscaled.exit == int(editor::kExitFewer), qPrintable(upscaled.err));
    QCOMPARE(QFileInfo(path("upscaled.DAT")).size(), level::kRecordBytes);
}

void EditorCliTest::fewerThanAskedIsItsOwnExitStatus()
{
    // A plain wall with two specks: room for two natural differences, not ten.
    const QImage wall = plainWallWithTwoSpecks();
    QVERIFY(wall.save(path("wall.png")));
    const Run r = runEditor({"--auto", "10", path("wall.png"), "-o", path("wall.DAT")});
    QCOMPARE(r.exit, int(editor::kExitFewer));
    const int made = int(r.out.trimmed().split('\n').size());
    QVERIFY2(made >= 1 && made < 10, qPrintable(r.out));
    QVERIFY2(r.err.contains(QString::fromUtf8("csak %1 természetes").arg(made)), qPrintable(r.err));
    QCOMPARE(QFileInfo(path("wall.DAT")).size(), level::kRecordBytes); // written, with what there was room for
    // Nothing natural at all is an error: nothing written.
    QImage blank(800, 1000, QImage::Format_RGB32);
    blank.fill(QColor(120, 130, 140));
    QVERIFY(blank.save(path("blank.png")));
    const Run none = runEditor({"--auto", "5", path("blank.png"), "-o", path("blank.DAT")});
    QCOMPARE(none.exit, int(editor::kExitError));
    QVERIFY(!QFileInfo::exists(path("blank.DAT")));
    // --help tells the three apart.
    const Run help = runEditor({"--help"});
    for (const char* code : {"  0  ", "  2  ", "  3  "})
        QVERIFY2(help.out.contains(QLatin1String(code)), qPrintable(help.out));
}

void EditorCliTest::pairWritesTheEditsFound()
{
    const Run r = runEditor({"--pair", original_, edited_, "-o", path("pair.DAT")});
    QCOMPARE(r.exit, 0);
    const QStringList lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    const QStringList a = lines[0].split(' '), b = lines[1].split(' ');
    QVERIFY(std::abs(a[1].toInt() - 100) <= 3 && std::abs(a[2].toInt() - 150) <= 3);
    QVERIFY(std::abs(b[1].toInt() - 250) <= 3 && std::abs(b[2].toInt() - 350) <= 3);
    QCOMPARE(a[3], QStringLiteral("edited"));
}

void EditorCliTest::badInputIsRefusedAndNothingWritten_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    const QString out = QStringLiteral("@OUT@");
    QTest::newRow("no picture") << QStringList{"--auto", "5", "@DIR@/notes.jpg", "-o", out} << "nem olvasható kép";
    QTest::newRow("truncated JPEG") << QStringList{"--auto", "5", "@DIR@/truncated.jpg", "-o", out} << "csonka JPEG";
    QTest::newRow("missing file") << QStringList{"--auto", "5", "@DIR@/none.jpg", "-o", out} << "nem nyitható meg";
    QTest::newRow("smaller than a level") << QStringList{"--auto", "5", "@DIR@/small.png", "-o", out} << "--upscale";
    QTest::newRow("pair of different sizes") << QStringList{"--pair", "@DIR@/original.jpg", "@DIR@/other-size.jpg", "-o", out}
                                             << "mérete különbözik";
    QTest::newRow("pair with no difference") << QStringList{"--pair", "@DIR@/original.jpg", "@DIR@/same.jpg", "-o", out}
                                             << "nincs egy különbség sem";
    QTest::newRow("0 differences") << QStringList{"--auto", "0", "@DIR@/photo.jpg", "-o", out} << "1 és 25 között";
    QTest::newRow("26 differences") << QStringList{"--auto", "26", "@DIR@/photo.jpg", "-o", out} << "1 és 25 között";
    QTest::newRow("frame off the photo") << QStringList{"--auto", "5", "--crop", "900,0,531,723", "@DIR@/photo.jpg", "-o", out}
                                         << "kilóg";
    QTest::newRow("frame of another shape") << QStringList{"--auto", "5", "--crop", "0,0,800,723", "@DIR@/photo.jpg", "-o", out}
                                            << "oldalaránya";
    QTest::newRow("no output named") << QStringList{"--auto", "5", "@DIR@/photo.jpg"} << "-o";
    QTest::newRow("unknown switch") << QStringList{"--auto", "5", "--fast", "@DIR@/photo.jpg", "-o", out} << "ismeretlen";
    QTest::newRow("unwritable folder") << QStringList{"--auto", "5", "@DIR@/photo.jpg", "-o", "/proc/kovra2/level.DAT"}
                                       << "nem írható";
}

void EditorCliTest::badInputIsRefusedAndNothingWritten()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const QString out = path("refused.DAT");
    for (QString& a : args)
        a.replace("@DIR@", dir_.path()).replace("@OUT@", out);
    const Run r = runEditor(args);
    QCOMPARE(r.exit, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith("kovra2-editor: ") && r.err.count('\n') == 1, qPrintable(r.err));
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QVERIFY(!QFile::exists(out));
    QVERIFY(!QFile::exists(out + ".tmp"));
}

void EditorCliTest::aFullDiskLeavesNothingBehind()
{
    const QString prlimit = QStandardPaths::findExecutable(QStringLiteral("prlimit"));
    if (prlimit.isEmpty())
        QSKIP("prlimit (util-linux) is not installed");
    // A file-size limit below one level fails the write as a full disk would.
    const QString out = path("full.DAT");
    const Run r = runEditor({"--auto", "5", photo_, "-o", out}, prlimit, {"--fsize=600000"});
    QCOMPARE(r.exit, 2);
    QVERIFY2(r.err.contains("nem írható"), qPrintable(r.err));
    QVERIFY(!QFile::exists(out));
    QVERIFY(!QFile::exists(out + ".tmp"));
}

void EditorCliTest::aBigPhotoDecodedSmallerGivesTheSameLevel()
{
    // Decoded at half size (the frame still has 1.5 times the level's
    // pixels), the framed picture matches the one from the full decode.
    const QString big = path("big.jpg");
    const QByteArray jpeg = jpegBytes(photoLike(2400, 1800, 11));
    QVERIFY(writeBytes(big, jpeg));
    const QRect frame(300, 100, 1100, 1498);
    const Run r = runEditor({"--auto", "1", "--crop", "300,100,1100,1498", big, "-o", path("big.DAT")});
    QCOMPARE(r.exit, 0);
    QFile f(path("big.DAT"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QImage made = levelgen::decodePicture(f.readAll().constData(), level::kPictureBytes);
    const QImage full = editor::frameToLevel(decode(jpeg), frame);
    double sum = 0;
    for (int y = 0; y < made.height(); ++y)
        for (int x = 0; x < made.width(); ++x) {
            const QRgb a = made.pixel(x, y), b = full.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    const double mean = sum / (3.0 * made.width() * made.height());
    QVERIFY2(mean < 3, qPrintable(QString::number(mean)));
}

QTEST_GUILESS_MAIN(EditorCliTest)
#include "tst_editor_cli.moc"
