// Damaged and hostile level files, missing or broken music and a missing
// sound device: the game reports what it cannot use and goes on.
#include "support/appwindows.h"
#include "flowsupport.h"
#include "game/gamewindow.h"
#include "menus/menusupport.h"
#include "menus/startwindow.h"
#include "platform/modal.h"
#include "platform/ioerror.h"
#include "players/records.h"
#include "menus/leveljumpdialog.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "sound/audiodevice.h"
#include "support/gamesession.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSpinBox>
#include <QtEndian>
#include <QtTest>

#include <SDL_mixer.h>

namespace {

// A game session whose start window has its title piece, so that returning
// there reports nothing.
struct Session : testsupport::GameSession {
    Session() { menustest::writeTitleMusic(dir.path()); }
};

const QString kCannotLoad = QString::fromUtf8("A következő pályát nem lehet betölteni.");

QImage plainPicture(QSize size = {354, 482})
{
    QImage img(size, QImage::Format_RGB888);
    img.fill(QColor(90, 140, 200));
    return img;
}

// A picture in another format, padded with zeros to the field's size.
QByteArray paddedPicture(const QImage& img, const char* format)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    bytes.append(QByteArray(512902 - bytes.size(), '\0'));
    return bytes;
}

// A BMP field whose header claims another width and height.
QByteArray bmpClaiming(int width, int height)
{
    QByteArray bmp = level::encodeBmp24(plainPicture());
    qToLittleEndian<qint32>(width, bmp.data() + 18);
    qToLittleEndian<qint32>(height, bmp.data() + 22);
    return bmp;
}

QByteArray levelWith(const QVector<QPoint>& points, QByteArray left = {})
{
    QByteArray rec = level::encodeLevel(plainPicture(), plainPicture(), points, QColor(255, 128, 0));
    if (!left.isEmpty())
        rec.replace(0, 512902, left);
    return rec;
}

void writeLevel(const Session& s, const QByteArray& bytes)
{
    QFile f(s.dir.file(QStringLiteral("DATA/001.DAT")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Presses every region of the running level and waits for the result.
void findAllAndFinish(Session& s)
{
    const int n = gameWindow()->levelData->diffCount();
    for (int k = 1; k <= n; ++k)
        s.press(k);
    s.advance(3000);
}

} // namespace

class BadLevelsTest : public QObject {
    Q_OBJECT
private slots:
    void hostileLevelFileLoadsOrIsRefused_data();
    void hostileLevelFileLoadsOrIsRefused();
    void levelFileThatIsAFolderIsReported();
    void damagedLevelJumpLeavesACoherentState_data();
    void damagedLevelJumpLeavesACoherentState();
    void differencesOutsideThePictureAreLeftToHelp();
    void differencesAtOnePointFindTheTopOneOnly();
    void markerColourIgnoresItsFourthByte();
    void missingOrBrokenLevelMusicLeavesTheLevelPlayable_data();
    void missingOrBrokenLevelMusicLeavesTheLevelPlayable();
    void missingSoundDeviceFallsSilentMidGame_data();
    void missingSoundDeviceFallsSilentMidGame();
};

void BadLevelsTest::hostileLevelFileLoadsOrIsRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("message"); // empty: none
    const QVector<QPoint> three = testsupport::spreadPoints(3);
    const QString noPicture = QString::fromUtf8("A kép nem tölthető be (BAL.BMP, JOBB.BMP)");
    QTest::newRow("empty file") << QByteArray() << false << "Read beyond end of file.";
    QTest::newRow("points at 65535") << levelWith(QVector<QPoint>(3, QPoint(65535, 65535))) << true << "";
    QTest::newRow("25 differences at one point") << levelWith(QVector<QPoint>(25, QPoint(177, 241))) << true << "";
    QTest::newRow("BMP of 100 x 100") << levelWith(three, paddedPicture(plainPicture({100, 100}), "BMP")) << true << "";
    QTest::newRow("BMP claiming 30000 x 30000") << levelWith(three, bmpClaiming(30000, 30000)) << false << noPicture;
    QTest::newRow("BMP claiming twice the rows") << levelWith(three, bmpClaiming(354, 964)) << true << "";
    QTest::newRow("BMP claiming no rows") << levelWith(three, bmpClaiming(354, 0)) << false << noPicture;
    QTest::newRow("JPEG padded") << levelWith(three, paddedPicture(plainPicture(), "JPG")) << true << "";
    QTest::newRow("PNG padded") << levelWith(three, paddedPicture(plainPicture(), "PNG")) << true << "";
    QTest::newRow("zeros") << QByteArray(1025916, '\0') << false << kCannotLoad;
}

void BadLevelsTest::hostileLevelFileLoadsOrIsRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loads);
    QFETCH(QString, message);
    Session s;
    writeLevel(s, file);
    s.start();
    QVERIFY(gameWindow()->isVisible());
    QCOMPARE(s.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(gameWindow()->regionsBuilt(), loads);
    QCOMPARE(gameWindow()->round.clockRunning(), loads);
    if (loads) {
        QVERIFY(QFile::exists(s.dir.file(QStringLiteral("BAL.BMP"))));
        QCOMPARE(QFileInfo(s.dir.file(QStringLiteral("BAL.BMP"))).size(), 512902);
    }
    // Whatever the file held, the window can still be closed and saved; a
    // level that did not load counts no time.
    QVERIFY(gameWindow()->close());
    QCOMPARE(s.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    const flows::Slot saved = flows::slotOf(flows::fileBytes(s.dir.file(QStringLiteral("players.dat"))), 1);
    QCOMPARE(saved.levelSeconds, 0);
    QCOMPARE(saved.totalSeconds, 0);
    startWindow()->hide();
}

void BadLevelsTest::damagedLevelJumpLeavesACoherentState_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("box");
    const QByteArray good = levelWith(testsupport::spreadPoints(2));
    QTest::newRow("missing") << false << QByteArray() << kCannotLoad;
    QTest::newRow("one byte short") << true << good.left(1025915) << QStringLiteral("Read beyond end of file.");
    QTest::newRow("empty") << true << QByteArray() << QStringLiteral("Read beyond end of file.");
    QTest::newRow("picture that is no picture")
        << true << levelWith(testsupport::spreadPoints(2), QByteArray(512902, 'x'))
        << QString::fromUtf8("A kép nem tölthető be (BAL.BMP, JOBB.BMP)");
}

void BadLevelsTest::damagedLevelJumpLeavesACoherentState()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, box);
    Session s;
    s.writeLevel(1, 3);
    if (present) {
        QFile f(s.dir.file(QStringLiteral("DATA/002.DAT")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Each box notes whether the clock was still running behind it.
    QStringList boxes;
    bool clockBehindABox = false;
    platform::setMessageScript([&](const platform::MessageRecord& m) {
        boxes << m.text;
        clockBehindABox |= gameWindow()->round.clockRunning();
    });
    s.modals.answer = [](QWidget* w) { return int(is<LevelJumpDialog>(w) ? platform::mrOk : platform::mrCancel); };
    s.start();
    s.advance(4000);
    const auto jump = [](int level) {
        levelJumpDialog()->levelBox->setValue(level);
        platform::guard([] { gameWindow()->levelNumberPressed(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier); });
    };
    jump(2);
    QCOMPARE(boxes, QStringList{box});
    QVERIFY(!clockBehindABox);
    // Stopped, and saying which level failed.
    QVERIFY(!gameWindow()->round.clockRunning());
    QVERIFY(!gameWindow()->idleTimer->enabled());
    QVERIFY(!gameWindow()->regionsBuilt());
    QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("2"));
    QCOMPARE(gameWindow()->levelNumberShadow->text(), QStringLiteral("2"));
    QVERIFY2(gameWindow()->windowTitle().startsWith(QStringLiteral("Kovra 2 - 2. szint")), qPrintable(gameWindow()->windowTitle()));
    // Ten minutes later nothing has happened: no time-up, nothing saved.
    s.advance(600000);
    QCOMPARE(s.modals.shown, QStringList{"LevelJumpDialog"});
    QVERIFY(!QFile::exists(s.dir.file(QStringLiteral("players.dat"))));
    // Closed now, the player's record stays at the level that loaded, with
    // no seconds for the level that did not.
    QVERIFY(gameWindow()->close());
    players::PlayerRecord saved =
        players::decodeRoster(flows::fileBytes(s.dir.file(QStringLiteral("players.dat"))).constData()).slot(1);
    QCOMPARE(int(saved.level), 1);
    QCOMPARE(saved.levelSeconds, 0);
    // The next game starts there and plays.
    startWindow()->hide();
    boxes.clear();
    gameWindow()->show();
    QVERIFY(gameWindow()->regionsBuilt());
    QVERIFY(gameWindow()->round.clockRunning());
    QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("1"));
    QCOMPARE(boxes, QStringList());
    // A jump to a level that loads still works after a failed one.
    jump(2);
    jump(1);
    QVERIFY(gameWindow()->regionsBuilt());
    QVERIFY(gameWindow()->round.clockRunning());
    QVERIFY(gameWindow()->windowTitle().startsWith(QStringLiteral("Kovra 2 - 1. szint")));
}

void BadLevelsTest::levelFileThatIsAFolderIsReported()
{
    Session s;
    QVERIFY(QDir(s.dir.path()).mkpath(QStringLiteral("DATA/001.DAT")));
    s.start();
    QCOMPARE(s.messages.texts(), QStringList{"File access denied."});
    QVERIFY(!gameWindow()->regionsBuilt());
    gameWindow()->hide();
}

void BadLevelsTest::differencesOutsideThePictureAreLeftToHelp()
{
    Session s;
    writeLevel(s, levelWith(QVector<QPoint>(3, QPoint(65535, 65535))));
    s.start({.helps = 3});
    // No click on either picture can reach them: every one is a miss.
    for (const QPoint corner : {QPoint(0, 0), QPoint(353, 481), QPoint(353, 0), QPoint(0, 481)})
        s.clickPicture(corner.x(), corner.y());
    QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("3"));
    QVERIFY(gameWindow()->round.penaltyWindowOpen());
    // Help still reveals them one by one, and the level can be completed.
    s.modals.answer = [](QWidget*) { return int(platform::mrCancel); };
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(gameWindow()->helpButton, Qt::LeftButton);
    QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("0"));
    s.advance(3000);
    QCOMPARE(s.modals.shown, QStringList{"LevelDoneDialog"});
    QVERIFY(s.messages.list.isEmpty());
}

void BadLevelsTest::differencesAtOnePointFindTheTopOneOnly()
{
    Session s;
    writeLevel(s, levelWith(QVector<QPoint>(25, QPoint(177, 241))));
    s.start({.helps = 1});
    QCOMPARE(gameWindow()->timeBar->maxValue(), 250);
    // The last-made region lies on top: a press finds it, a second press
    // lands on it again and finds nothing more.
    s.clickPicture(177, 241);
    s.clickPicture(177, 241, 1);
    QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("24"));
    QCOMPARE(s.region(25)->penStyle(), platform::Shape::Solid);
    QCOMPARE(s.region(1)->penStyle(), platform::Shape::Clear);
    // Help reveals the first one still open.
    QTest::mouseClick(gameWindow()->helpButton, Qt::LeftButton);
    QCOMPARE(s.region(1)->penStyle(), platform::Shape::Solid);
    QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("23"));
    // The rest cannot be reached: the clock runs out as for any level.
    s.advance(250 * 1000);
    QCOMPARE(s.modals.shown, QStringList{"TimeUpDialog"});
    QVERIFY(s.messages.list.isEmpty());
}

void BadLevelsTest::markerColourIgnoresItsFourthByte()
{
    Session s;
    QByteArray rec = levelWith(testsupport::spreadPoints(2));
    rec[1025908 + 3] = char(0x7F);
    writeLevel(s, rec);
    s.start();
    s.press(1);
    QCOMPARE(s.region(1)->penColor(), QColor(255, 128, 0));
    QCOMPARE(s.region(1)->penColor().alpha(), 255);
    gameWindow()->hide();
}

void BadLevelsTest::missingOrBrokenLevelMusicLeavesTheLevelPlayable_data()
{
    QTest::addColumn<QByteArray>("piece"); // null: no MUSIC folder at all
    QTest::newRow("no MUSIC folder") << QByteArray();
    QTest::newRow("empty piece") << QByteArray("");
    QTest::newRow("piece of junk") << QByteArray(4000, 'x');
}

void BadLevelsTest::missingOrBrokenLevelMusicLeavesTheLevelPlayable()
{
    QFETCH(QByteArray, piece);
    Session s;
    s.writeLevel(1, 3);
    if (!piece.isNull()) {
        QVERIFY(QDir(s.dir.path()).mkpath(QStringLiteral("MUSIC")));
        QFile f(s.dir.file(QStringLiteral("MUSIC/001.MP3")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(piece);
    }
    s.start({.music = true});
    QCOMPARE(s.messages.list.size(), 1);
    QCOMPARE(s.messages.list[0].title, QStringLiteral("Kovra 2"));
    QCOMPARE(s.messages.list[0].icon, platform::MsgIcon::Error);
    const QString mixer = QString::fromUtf8(Mix_GetError());
    QVERIFY(!mixer.isEmpty());
    QVERIFY(s.messages.list[0].text.startsWith(mixer));
    // The level was loaded before the music was asked for, and plays on.
    QVERIFY(gameWindow()->regionsBuilt());
    QVERIFY(gameWindow()->round.clockRunning());
    QTest::mouseClick(gameWindow()->pauseButton, Qt::LeftButton); // pause and resume
    QTest::mouseClick(gameWindow()->pauseButton, Qt::LeftButton);
    s.modals.answer = [](QWidget*) { return int(platform::mrCancel); };
    findAllAndFinish(s);
    QCOMPARE(s.modals.shown, QStringList{"LevelDoneDialog"});
    QCOMPARE(s.messages.list.size(), 1);
}

void BadLevelsTest::missingSoundDeviceFallsSilentMidGame_data()
{
    QTest::addColumn<QByteArray>("driver");
    QTest::newRow("unknown driver") << QByteArray("nincs_ilyen");
    if (!QFile::exists(QStringLiteral("/dev/snd"))) // the usual server or container
        QTest::newRow("alsa without a sound card") << QByteArray("alsa");
}

void BadLevelsTest::missingSoundDeviceFallsSilentMidGame()
{
    QFETCH(QByteArray, driver);
    const QByteArray before = qgetenv("SDL_AUDIODRIVER");
    sound::audio::close();
    qputenv("SDL_AUDIODRIVER", driver);
    {
        Session s;
        s.writeLevel(1, 2);
        s.start({.sound = true});
        s.modals.answer = [](QWidget*) { return int(platform::mrCancel); };
        findAllAndFinish(s);
        QCOMPARE(s.modals.shown, QStringList{"LevelDoneDialog"});
        QVERIFY(s.messages.list.isEmpty());
        QCOMPARE(sound::audio::driverName(), QStringLiteral("dummy"));
        QVERIFY(s.sounds().contains(QStringLiteral("palya_ok")));
    }
    sound::audio::close();
    qputenv("SDL_AUDIODRIVER", before);
}

QTEST_MAIN(BadLevelsTest)
#include "tst_badlevels.moc"
