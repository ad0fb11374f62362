// The whole game in virtual time: a player made at the start window plays
// the generated pack from level 1 to 100, presses every recorded point on the
// pictures, spends help where tokens allow, loses some levels to the clock and
// retries them, pauses, closes the game window once and comes back, and ends
// at the game-completed window. The test keeps its own account of every
// second and token, and checks the game's windows and players.dat against it.
#include "flowsupport.h"
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "menus/menusupport.h"
#include "menus/startwindow.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/playerdialog.h"
#include "support/appwindows.h"
#include "game/round.h"
#include "support/testsupport.h"
#include "tools/levelgen/pack.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <numeric>

using namespace testsupport;

namespace {

const QString kName = QString::fromUtf8("Őrsike Ágnes");

// The difference centres as the generator stored them, read straight from
// the file's trailer.
QVector<QPoint> recordedPoints(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    const char* t = b.constData() + 2 * 512902;
    QVector<QPoint> pts;
    for (int k = 0; k < quint8(t[0]); ++k)
        pts << QPoint(qFromLittleEndian<quint16>(t + 2 + 4 * k), qFromLittleEndian<quint16>(t + 4 + 4 * k));
    return pts;
}

// A picture point at least 25 pixels from every difference: a sure miss.
QPoint missPoint(const QVector<QPoint>& pts)
{
    for (int y = 20; y < 470; y += 10)
        for (int x = 20; x < 340; x += 10) {
            const bool clear = std::all_of(pts.begin(), pts.end(), [&](QPoint p) {
                return qAbs(p.x() - x) > 25 || qAbs(p.y() - y) > 25;
            });
            if (clear)
                return {x, y};
        }
    return {};
}

QString mmss(int s) { return QString::asprintf("%02d:%02d", s / 60, s % 60); }

// The clock of one attempt as the player sees it: the bar follows the seconds
// left at every tick; a penalty takes the seconds at once, the bar at the next tick.
struct Clock {
    int start = 0, left = 0, bar = 0;
    void begin(int diffs) { start = left = bar = diffs * 10; }
    void tick() { bar = --left; }
    void penalty() { left = left > 5 ? left - 5 : 1; }
    int used() const { return start - bar; }
};

// What the player's slot should hold.
struct Ledger {
    int helps = 0, bank = 0, total = 0, levelSeconds = 0, attempts = 0;
};

// What a result window showed while it was open.
struct Shown {
    QString time, left, attempts, note, button1, missing;
    bool button2 = false;
    int gameChildren = 0;
};

// The game window's controls, less the spare region controls that a level
// with fewer differences left hidden (and nameless) for the next one.
int gameChildren()
{
    int n = 0;
    for (QWidget* w : gameWindow()->findChildren<QWidget*>()) {
        const bool spare = qobject_cast<platform::Shape*>(w) && w->objectName().isEmpty() && !w->isVisibleTo(gameWindow());
        n += spare ? 0 : 1;
    }
    return n;
}

} // namespace

class PlaythroughTest : public QObject {
    Q_OBJECT
private slots:
    void aNewPlayerPlaysTheWholePack();

private:
    void record(QWidget* w);
    void startFromTheStartWindow(bool newPlayer);
    void playLevel(int n);
    void loseToTheClock(int n);
    void closeAndComeBack(int n);
    void complete(int n);
    void expectLoaded(int n);
    void wait(int seconds);
    void clickAt(QPoint pt, int side);
    void clickMiss(int n, int side);
    void press(int n, int k);
    void checkRoster(int level, int attempts);

    GameDir* dir_ = nullptr;
    ModalLog* modals_ = nullptr;
    QVector<QVector<QPoint>> points_;
    Clock clock_;
    Ledger ledger_;
    Shown levelDoneShown_, timeUpShown_, gameCompleteShown_;
    int baseChildren_ = -1;
    int helpsUsed_ = 0, losses_ = 0, pauses_ = 0, penalties_ = 0, bankAwards_ = 0;
};

// Notes what a result window shows while it is open.
void PlaythroughTest::record(QWidget* w)
{
    if (is<LevelDoneDialog>(w)) {
        levelDoneShown_ = {levelDoneDialog()->usedTimeLabel->text(), levelDoneDialog()->timeLeftLabel->text(), levelDoneDialog()->attemptsLabel->text(), levelDoneDialog()->awardLabel->text(),
                  levelDoneDialog()->nextButton->text(), {}, levelDoneDialog()->saveAndQuitButton->isVisibleTo(levelDoneDialog()), gameChildren()};
    } else if (is<TimeUpDialog>(w)) {
        timeUpShown_ = {{}, {}, {}, {}, {}, timeUpDialog()->missedLabel->text(), false, gameChildren()};
    } else if (is<GameCompleteDialog>(w)) {
        gameCompleteShown_ = {gameCompleteDialog()->totalTimeLabel->text(), {}, {}, {}, {}, {}, false, gameChildren()};
    }
}

void PlaythroughTest::aNewPlayerPlaysTheWholePack()
{
    QElapsedTimer took;
    took.start();
    GameDir dir;
    MessageLog messages;
    ModalLog modals;
    dir_ = &dir;
    modals_ = &modals;
    std::vector<int> all(levelgen::kLevels);
    std::iota(all.begin(), all.end(), 1);
    QVERIFY(levelgen::writeLevels(dir.file(QStringLiteral("DATA")), all, 2, nullptr));
    qInfo("pack generated in %lld ms", took.elapsed());
    points_.resize(levelgen::kLevels + 1);
    for (int n = 1; n <= levelgen::kLevels; ++n) {
        points_[n] = recordedPoints(levelgen::levelPath(dir.file(QStringLiteral("DATA")), n));
        QVERIFY(!points_[n].isEmpty());
    }
    menustest::writeTitleMusic(dir.path());
    QFile settings(dir.file(QStringLiteral("settings.dat")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QByteArray("\1\1\0\1", 4)); // sound, cross, no music, shadow
    settings.close();

    Forms forms;
    modals.answer = [this](QWidget* w) {
        record(w);
        if (is<GameCompleteDialog>(w))
            QTest::mouseClick(gameCompleteDialog()->backButton, Qt::LeftButton); // "Vissza a főmenübe"
        return int(platform::mrOk); // next level, retry
    };

    startWindow()->show();
    startFromTheStartWindow(true);
    if (QTest::currentTestFailed())
        return;
    for (int n = 1; n <= levelgen::kLevels; ++n) {
        playLevel(n);
        if (QTest::currentTestFailed())
            return;
    }

    // After level 100: only "Játék befejezése", then the game-completed
    // window with the whole time, then the start window.
    QCOMPARE(levelDoneShown_.button1, QString::fromUtf8("Játék befejezése"));
    QVERIFY(!levelDoneShown_.button2);
    QCOMPARE(levelDoneShown_.note, QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"));
    QCOMPARE(gameCompleteShown_.time, QString::fromUtf8("%1 óra, %2 perc és %3 másodperc.")
                              .arg(ledger_.total / 3600).arg(ledger_.total % 3600 / 60).arg(ledger_.total % 60));
    QVERIFY(!gameWindow()->isVisible());
    QVERIFY(startWindow()->isVisible());
    checkRoster(101, 0);
    // Regions and dots of a hundred levels leave nothing behind.
    QCOMPARE(levelDoneShown_.gameChildren, baseChildren_);

    QCOMPARE(modals.shown.count(QStringLiteral("LevelDoneDialog")), 100);
    QCOMPARE(modals.shown.count(QStringLiteral("TimeUpDialog")), losses_);
    QCOMPARE(modals.shown.count(QStringLiteral("PlayerDialog")), 2);
    QCOMPARE(modals.shown.count(QStringLiteral("GameCompleteDialog")), 1);
    QVERIFY2(messages.list.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    // The plan really exercised each kind of play.
    QVERIFY(helpsUsed_ >= 10 && losses_ >= 10 && pauses_ >= 10 && penalties_ >= 10);
    qInfo("%d s played, %d helps, %d losses, %d pauses, %d penalties, %d bank awards; %lld ms in all",
          ledger_.total, helpsUsed_, losses_, pauses_, penalties_, bankAwards_, took.elapsed());
    QTest::mouseClick(startWindow()->quitButton, Qt::LeftButton); // "Kilépés"
    QVERIFY(!startWindow()->isVisible());
}

// "Játék indítása", then the player window as a player uses it.
void PlaythroughTest::startFromTheStartWindow(bool newPlayer)
{
    QVERIFY(startWindow()->isVisible());
    const auto answer = modals_->answer;
    modals_->answer = [&](QWidget* w) {
        if (is<PlayerDialog>(w))
            flows::addAndChoose(newPlayer ? kName : QString());
        return int(platform::mrOk);
    };
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    modals_->answer = answer;
    QVERIFY(!startWindow()->isVisible());
    QVERIFY(gameWindow()->isVisible());
    QCOMPARE(playerStore()->currentPlayer().displayName(), kName);
    ++ledger_.attempts;
}

void PlaythroughTest::expectLoaded(int n)
{
    const int count = int(points_[n].size());
    clock_.begin(count);
    QCOMPARE(int(gameWindow()->roundState.level), n);
    QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - %1. szint, %2. próbálkozás (Játékos: %3)")
                                       .arg(n).arg(ledger_.attempts).arg(kName));
    // The game counts what the generator wrote and builds two regions and
    // a dot for each.
    QCOMPARE(gameWindow()->remainingLabel->text(), QString::number(count));
    QCOMPARE(gameWindow()->timeBar->maxValue(), clock_.start);
    if (baseChildren_ >= 0)
        QCOMPARE(gameChildren(), baseChildren_ + 3 * count);
}

void PlaythroughTest::wait(int seconds)
{
    platform::VirtualClock::advance(qint64(seconds) * 1000);
    for (int i = 0; i < seconds; ++i)
        clock_.tick();
    QCOMPARE(gameWindow()->timeBar->progress(), clock_.bar);
}

// A real click on picture point `pt` through whatever control lies there.
void PlaythroughTest::clickAt(QPoint pt, int side)
{
    const QPoint client(pt.x() + (side == 0 ? 76 : 562), pt.y() + 59);
    QWidget* target = gameWindow()->childAt(client);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(gameWindow(), client));
}

void PlaythroughTest::clickMiss(int n, int side)
{
    const int before = gameWindow()->remainingLabel->text().toInt();
    clickAt(missPoint(points_[n]), side);
    QCOMPARE(gameWindow()->remainingLabel->text().toInt(), before);
    QVERIFY(gameWindow()->round.penaltyWindowOpen()); // taken for a miss
}

// A real press at difference k's recorded point, on the left picture for odd
// k and on the right for even.
void PlaythroughTest::press(int n, int k)
{
    const bool foundBefore = gameWindow()->regions[size_t(k)][0]->penStyle() == platform::Shape::Solid;
    const int before = gameWindow()->remainingLabel->text().toInt();
    clickAt(points_[n][k], k % 2 ? 0 : 1);
    QCOMPARE(gameWindow()->remainingLabel->text().toInt(), foundBefore ? before : before - 1);
    QCOMPARE(gameWindow()->regions[size_t(k)][1]->penStyle(), platform::Shape::Solid);
}

void PlaythroughTest::playLevel(int n)
{
    expectLoaded(n);
    if (QTest::currentTestFailed())
        return;
    const int losses = n % 10 == 3 ? 1 : n == 77 ? 2 : 0;
    for (int i = 0; i < losses && !QTest::currentTestFailed(); ++i)
        loseToTheClock(n);
    if (n == 50 && !QTest::currentTestFailed())
        closeAndComeBack(n);
    if (!QTest::currentTestFailed())
        complete(n);
}

// Half the differences, a penalised double miss, then the clock runs out;
// "Megpróbálom újra" loads the level again.
void PlaythroughTest::loseToTheClock(int n)
{
    const int count = int(points_[n].size());
    timeUpShown_ = {};
    for (int k = 0; k < count / 2; ++k) {
        wait(2);
        press(n, k);
    }
    clickMiss(n, 0);
    clickMiss(n, 0);
    clock_.penalty();
    ++penalties_;
    QCOMPARE(gameWindow()->round.timeLeft(), clock_.left);
    platform::VirtualClock::advance(qint64(clock_.left) * 1000); // the last tick shows timeUpDialog()
    ++losses_;
    ledger_.total += clock_.start; // the bar stands at 0
    ledger_.levelSeconds += clock_.start;
    QCOMPARE(timeUpShown_.missing, QString::fromUtf8("Még %1 különbséget kellett volna megtalálni.").arg(count - count / 2));
    if (baseChildren_ >= 0)
        QCOMPARE(timeUpShown_.gameChildren, baseChildren_);
    ++ledger_.attempts; // the retry
    expectLoaded(n);
}

// Two finds, the window closed, and the game started again from the start
// window: the attempt's seconds count for the level only.
void PlaythroughTest::closeAndComeBack(int n)
{
    QVERIFY(points_[n].size() >= 2);
    wait(3);
    press(n, 0);
    wait(4);
    press(n, 1);
    wait(1);
    QVERIFY(gameWindow()->close());
    ledger_.levelSeconds += clock_.used();
    QVERIFY(!gameWindow()->isVisible());
    checkRoster(n, ledger_.attempts);
    startFromTheStartWindow(false);
    expectLoaded(n);
}

// Every recorded point pressed, with help at the start, a pause or a
// penalised miss on some levels; then "Következő pálya" (or, after level
// 100, "Játék befejezése").
void PlaythroughTest::complete(int n)
{
    const QVector<QPoint>& pts = points_[n];
    const int count = int(pts.size());
    QCOMPARE(int(gameWindow()->roundState.helps), ledger_.helps);
    // Help on a level of one difference would end it at once: kept for larger ones.
    if (n % 3 == 2 && ledger_.helps > 0 && count > 1) {
        wait(1);
        QTest::mouseClick(gameWindow()->helpButton, Qt::LeftButton);
        --ledger_.helps;
        ++helpsUsed_;
        QCOMPARE(int(gameWindow()->roundState.helps), ledger_.helps);
        QCOMPARE(gameWindow()->regions[0][0]->kind(), platform::Shape::RoundRect);
        QCOMPARE(gameWindow()->remainingLabel->text(), QString::number(count - 1));
    }
    if (n % 9 == 4) {
        clickMiss(n, 1);
        wait(1); // still within the warning
        clickMiss(n, 1);
        clock_.penalty();
        ++penalties_;
    }
    for (int k = 0; k < count; ++k) {
        if (n % 6 == 1 && k == count / 2) {
            wait(1);
            QTest::mouseClick(gameWindow()->pauseButton, Qt::LeftButton);
            QVERIFY(!gameWindow()->leftPicture->isVisible());
            QVERIFY(!gameWindow()->regions[0][1]->isVisible());
            platform::VirtualClock::advance(45000); // the clock stands still
            QCOMPARE(gameWindow()->timeBar->progress(), clock_.bar);
            QTest::mouseClick(k % 2 ? gameWindow()->pauseButton : gameWindow()->pauseBanner, Qt::LeftButton);
            QVERIFY(gameWindow()->leftPicture->isVisible());
            ++pauses_;
        }
        wait(1 + k % 2);
        press(n, k);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("0"));
    // The level-completed window follows three seconds after the last find.
    const int completions = int(modals_->shown.count(QStringLiteral("LevelDoneDialog")));
    platform::VirtualClock::advance(2999);
    QCOMPARE(int(modals_->shown.count(QStringLiteral("LevelDoneDialog"))), completions);
    platform::VirtualClock::advance(1);
    QCOMPARE(int(modals_->shown.count(QStringLiteral("LevelDoneDialog"))), completions + 1);

    const int used = clock_.used();
    ledger_.total += used;
    ledger_.levelSeconds += used;
    QCOMPARE(levelDoneShown_.time, mmss(ledger_.levelSeconds));
    QCOMPARE(levelDoneShown_.left, mmss(clock_.bar));
    QCOMPARE(levelDoneShown_.attempts, QString::number(ledger_.attempts));
    // The award rule is the game's own (its cases are the round's tests);
    // here it must reach the player's slot and the window's note.
    const game::Award award = game::awardFor(ledger_.helps, ledger_.bank, ledger_.attempts == 1, clock_.bar);
    ledger_.helps = award.helps;
    ledger_.bank = award.secondsBank;
    bankAwards_ += award.fromBank ? 1 : 0;
    const QString note = award.firstTry ? QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!")
                         : award.fromBank ? QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!")
                                          : QString::fromUtf8("A következő segítséghez még %1 maradék másodperc kell.").arg(100 - ledger_.bank);
    if (n < levelgen::kLevels)
        QCOMPARE(levelDoneShown_.note, note);
    ledger_.levelSeconds = 0;
    ledger_.attempts = 0;
    if (n == 1)
        baseChildren_ = levelDoneShown_.gameChildren;
    QCOMPARE(levelDoneShown_.gameChildren, baseChildren_);
    if (n < levelgen::kLevels) {
        QCOMPARE(levelDoneShown_.button1, QString::fromUtf8("Következő pálya"));
        QVERIFY(levelDoneShown_.button2);
        checkRoster(n + 1, 0);
        ++ledger_.attempts; // the next level's first load
    }
}

// players.dat byte for byte where it matters: the first slot's level, tokens,
// bank, times and attempts.
void PlaythroughTest::checkRoster(int level, int attempts)
{
    const QByteArray b = flows::fileBytes(dir_->file(QStringLiteral("players.dat")));
    QCOMPARE(b.size(), 484);
    QCOMPARE(int(b[0]), 1);
    const flows::Slot s = flows::slotOf(b, 1);
    QCOMPARE(s.name, QByteArray("\xD5rsike \xC1gnes"));
    QCOMPARE(s.level, level);
    QCOMPARE(s.helps, ledger_.helps);
    QCOMPARE(s.bank, ledger_.bank);
    QCOMPARE(s.totalSeconds, ledger_.total);
    QCOMPARE(s.levelSeconds, ledger_.levelSeconds);
    QCOMPARE(s.attempts, attempts);
}

QTEST_MAIN(PlaythroughTest)
#include "tst_playthrough.moc"
