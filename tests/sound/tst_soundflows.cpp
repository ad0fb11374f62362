// Sound and music through the game's own flows: the windows drive the real
// channel and players (on the dummy driver) while the game runs in virtual
// time. Music positions are real: they are read from the playing stream.
#include "support/appwindows.h"
#include "game/gamewindow.h"
#include "menus/aboutdialog.h"
#include "menus/rulesdialog.h"
#include "menus/startwindow.h"
#include "platform/image.h"
#include "platform/timer.h"
#include "players/records.h"
#include "sound/soundchannel.h"
#include "support/gamesession.h"
#include "tunes.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using sound::MusicPlayer;
using testsupport::GameSession;

namespace {

MusicPlayer& levelMusic() { return gameWindow()->levelMusic; }
void miss(GameSession& s) { s.clickPicture(5, 470); }
// The sounds asked for since `from`.
QStringList since(const GameSession& s, qsizetype from) { return s.sounds().mid(from); }

} // namespace

class TestSoundFlows : public QObject {
    Q_OBJECT
private slots:
    void soundOffLeavesOnlyTheEndgameTune();
    void lastFindSoundIsCutOffByLevelOkThreeSecondsLater();
    void pauseCutsTheTickingAndResumeDoesNotBringItBack();
    void musicOffNeverOpensTheGameWindowsPlayer();
    void retryRestartsTheLevelsPiece();
    void penalisedMissJumpsTheMusicFiveSeconds();
    void pauseAndResumeContinueTheMusicWhereItPaused();
    void aboutRestartsTheTitlePieceRulesLeaveItPlaying();
};

void TestSoundFlows::soundOffLeavesOnlyTheEndgameTune()
{
    GameSession s;
    s.writeLevel(100, 3);
    s.modals.answer = [](QWidget* w) {
        return w->objectName() == QLatin1String("LevelDoneDialog") ? int(platform::mrOk) : int(platform::mrCancel);
    };
    s.start({.level = 100, .helps = 1, .sound = false});
    s.advance(15000); // the idle reminder has flashed; 15 s left
    miss(s);
    s.advance(200);
    miss(s);          // penalised: 10 s left
    s.advance(5800);  // the tick onto 4
    QCOMPARE(gameWindow()->round.timeLeft(), 4);
    gameWindow()->togglePause();
    gameWindow()->togglePause();
    s.press(1);
    gameWindow()->useHelp(); // a help token reveals the second
    s.press(3);
    s.advance(3000);
    QCOMPARE(s.modals.shown, QStringList({"LevelDoneDialog", "GameCompleteDialog"}));
    // Nothing of the level made a sound; the game's end did, and stopped.
    QCOMPARE(s.sounds(), QStringList({"endgame (loop)", "stop"}));
}

void TestSoundFlows::lastFindSoundIsCutOffByLevelOkThreeSecondsLater()
{
    GameSession s;
    s.writeLevel(1, 2);
    s.start();
    s.press(1);
    s.press(2);
    QCOMPARE(s.sounds().mid(s.sounds().size() - 2), QStringList({"talalat", "talalat2"}));
    const auto at = s.sounds().size();
    s.advance(2999);
    QCOMPARE(sound::SoundChannel::instance().current(), QStringLiteral("talalat2"));
    s.advance(1);
    // 3 s into its 6 s the level-completed sound takes the channel.
    QCOMPARE(since(s, at), QStringList({"palya_ok"}));
    QCOMPARE(sound::SoundChannel::instance().current(), QStringLiteral("palya_ok"));
}

void TestSoundFlows::pauseCutsTheTickingAndResumeDoesNotBringItBack()
{
    GameSession s;
    s.writeLevel(1, 1);
    s.start();
    s.advance(6000); // ten seconds down to four
    QCOMPARE(s.sounds().last(), QStringLiteral("ketyeg"));
    const auto at = s.sounds().size();
    gameWindow()->togglePause();
    s.advance(5000);
    gameWindow()->togglePause();
    s.advance(2000);
    QCOMPARE(since(s, at), QStringList({"pause", "pause_vege"}));
}

void TestSoundFlows::musicOffNeverOpensTheGameWindowsPlayer()
{
    GameSession s;
    s.writeLevel(1, 2);
    soundtest::writeTune(s.dir.file(QStringLiteral("MUSIC/001.MP3")), 12);
    s.start({.music = false});
    miss(s);
    s.advance(100);
    miss(s);
    gameWindow()->togglePause();
    gameWindow()->togglePause();
    s.press(1);
    s.press(2);
    s.advance(3000);
    QVERIFY(levelMusic().log.isEmpty());
    QCOMPARE(levelMusic().mode(), MusicPlayer::NotOpen);
}

void TestSoundFlows::retryRestartsTheLevelsPiece()
{
    GameSession s;
    s.writeLevel(1, 1);
    soundtest::writeTune(s.dir.file(QStringLiteral("MUSIC/001.MP3")), 12);
    s.modals.answer = [](QWidget* w) {
        return w->objectName() == QLatin1String("TimeUpDialog") ? int(platform::mrOk) : int(platform::mrCancel);
    };
    s.start({.music = true});
    QCOMPARE(levelMusic().mode(), MusicPlayer::Playing);
    miss(s);
    miss(s); // the music jumps ahead five seconds
    QVERIFY(levelMusic().position() >= 5000);
    s.advance(10000); // time runs out; the retry is chosen
    QVERIFY(s.modals.shown.contains(QStringLiteral("TimeUpDialog")));
    QCOMPARE(levelMusic().mode(), MusicPlayer::Playing);
    QVERIFY2(levelMusic().position() < 1000, qPrintable(QString::number(levelMusic().position())));
    QCOMPARE(levelMusic().log.count(QStringLiteral("open ") + s.dir.file(QStringLiteral("MUSIC/001.MP3"))), 2);
}

void TestSoundFlows::penalisedMissJumpsTheMusicFiveSeconds()
{
    GameSession s;
    s.writeLevel(1, 3);
    soundtest::writeTune(s.dir.file(QStringLiteral("MUSIC/001.MP3")), 12);
    s.start({.music = true});
    miss(s);
    const qint64 before = levelMusic().position();
    miss(s);
    QCOMPARE(levelMusic().mode(), MusicPlayer::Playing);
    const qint64 after = levelMusic().position();
    QVERIFY2(after >= before + 5000 && after < before + 5800,
             qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
    miss(s); // 10 s into the 12 s piece
    QVERIFY(levelMusic().position() >= before + 10000);
    // Past the end the jump is refused; the play after it is still given
    // and the music goes on where it was.
    const auto plays = levelMusic().log.count(QStringLiteral("play"));
    miss(s);
    QCOMPARE(levelMusic().log.count(QStringLiteral("play")), plays + 1);
    QCOMPARE(levelMusic().mode(), MusicPlayer::Playing);
    QVERIFY(levelMusic().position() >= before + 10000 && levelMusic().position() < 11500);
    QCOMPARE(gameWindow()->round.timeLeft(), 15);
}

void TestSoundFlows::pauseAndResumeContinueTheMusicWhereItPaused()
{
    GameSession s;
    s.writeLevel(1, 3);
    soundtest::writeTune(s.dir.file(QStringLiteral("MUSIC/001.MP3")), 12);
    s.start({.music = true});
    QVERIFY(QTest::qWaitFor([] { return levelMusic().position() > 100; })); // real playing
    gameWindow()->togglePause();
    QCOMPARE(levelMusic().mode(), MusicPlayer::Paused);
    const qint64 at = levelMusic().position();
    QVERIFY(at > 0);
    QTest::qWait(150);
    QCOMPARE(levelMusic().position(), at);
    gameWindow()->togglePause();
    QCOMPARE(levelMusic().mode(), MusicPlayer::Playing);
    QVERIFY(levelMusic().position() >= at && levelMusic().position() < at + 500);
}

void TestSoundFlows::aboutRestartsTheTitlePieceRulesLeaveItPlaying()
{
    testsupport::GameDir dir;
    testsupport::MessageLog messages;
    testsupport::ModalLog modals;
    testsupport::Forms forms;
    players::SettingsRecord settings;
    settings.music = true;
    QFile f(dir.file(QStringLiteral("settings.dat")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(players::encodeSettings(settings));
    f.close();
    soundtest::writeTune(dir.file(QStringLiteral("music/000.mp3")), 12);
    MusicPlayer& title = startWindow()->titleMusic;

    startWindow()->show();
    QCOMPARE(title.mode(), MusicPlayer::Playing);
    QVERIFY(QTest::qWaitFor([&] { return title.position() >= 300; }));
    qint64 duringRules = -1;
    modals.answer = [&](QWidget* w) {
        duringRules = title.mode() == MusicPlayer::Playing ? title.position() : -1;
        w->close();
        return int(platform::mrNone);
    };
    startWindow()->rulesClicked(); // rules: the music plays on
    QVERIFY(duringRules >= 300);
    QCOMPARE(title.mode(), MusicPlayer::Playing);
    QVERIFY(title.position() >= duringRules);

    title.seek(6000); // well into the piece, so that a restart is plain to see
    title.play();
    startWindow()->aboutClicked(); // about: the title piece starts again
    QCOMPARE(modals.shown, QStringList({"RulesDialog", "AboutDialog"}));
    QCOMPARE(title.mode(), MusicPlayer::Playing);
    QVERIFY2(title.position() < 1000, qPrintable(QString::number(title.position())));
    QVERIFY(messages.list.isEmpty());
}

QTEST_MAIN(TestSoundFlows)
#include "tst_soundflows.moc"
