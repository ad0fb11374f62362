// The game-completed window: the total time and the tune that loops until
// the window closes, whatever the sound setting says.
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"

#include "platform/modal.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "sound/soundchannel.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using testsupport::Forms;
using testsupport::GameDir;

namespace {
QStringList& soundLog() { return sound::SoundChannel::instance().log; }

void choosePlayerWithTotal(int seconds)
{
    playerStore()->roster.playerCount = 1;
    playerStore()->roster.slot(1) = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    playerStore()->roster.slot(1).level = 101;
    playerStore()->roster.slot(1).totalSeconds = seconds;
    playerStore()->selectedPlayer = 1;
}
} // namespace

class GameCompleteDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsTotalTimeInWords_data();
    void showsTotalTimeInWords();
    void tuneLoopsWhateverTheSoundSetting_data();
    void tuneLoopsWhateverTheSoundSetting();
    void everyCloseStopsTheTune_data();
    void everyCloseStopsTheTune();
    void escapeKeepsTheCelebration();
    void resultWindowsHaveNoCaptionButtons_data();
    void resultWindowsHaveNoCaptionButtons();
};

void GameCompleteDialogTest::showsTotalTimeInWords_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("7507") << 7507 << QString::fromUtf8("2 óra, 5 perc és 7 másodperc.");
    QTest::newRow("under a minute") << 59 << QString::fromUtf8("0 óra, 0 perc és 59 másodperc.");
    QTest::newRow("long game") << 100 * 3600 + 3599 << QString::fromUtf8("100 óra, 59 perc és 59 másodperc.");
}

void GameCompleteDialogTest::showsTotalTimeInWords()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(seconds);
    // As the game window announces the end of the last level: the window
    // shows the chosen player's total.
    testsupport::ModalLog modals;
    QString shown;
    bool fits = false;
    modals.answer = [&](QWidget* w) {
        if (auto* d = qobject_cast<GameCompleteDialog*>(w)) {
            shown = d->totalTimeLabel->text();
            // Shown whole after its caption.
            fits = d->totalTimeCaption->geometry().right() < d->totalTimeLabel->x()
                   && d->totalTimeLabel->width() >= QFontMetrics(d->totalTimeLabel->font()).horizontalAdvance(shown);
        }
        return int(platform::mrOk);
    };
    emit gameWindow()->gameCompleted();
    QCOMPARE(modals.shown, QStringList{"GameCompleteDialog"});
    QCOMPARE(shown, text);
    QVERIFY(fits);
}

void GameCompleteDialogTest::tuneLoopsWhateverTheSoundSetting_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("sound on") << true;
    QTest::newRow("sound off") << false;
}

void GameCompleteDialogTest::tuneLoopsWhateverTheSoundSetting()
{
    QFETCH(bool, soundOn);
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(7507);
    settingsDialog()->soundBox->setChecked(soundOn);
    testsupport::ModalLog modal;
    QStringList whileShown;
    modal.answer = [&](QWidget*) {
        whileShown = soundLog();
        return int(platform::mrOk);
    };
    platform::showModal(gameCompleteDialog());
    QCOMPARE(modal.shown, QStringList{"GameCompleteDialog"});
    QCOMPARE(whileShown, QStringList{"endgame (loop)"});
    QCOMPARE(soundLog(), (QStringList{"endgame (loop)", "stop"}));
}

void GameCompleteDialogTest::everyCloseStopsTheTune_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Vissza a főmenübe") << false;
    QTest::newRow("closed by a shutdown") << true;
}

void GameCompleteDialogTest::everyCloseStopsTheTune()
{
    QFETCH(bool, closeBox);
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(60);
    QTimer::singleShot(0, gameCompleteDialog(), [closeBox] {
        QCOMPARE(sound::SoundChannel::instance().current(), QStringLiteral("endgame"));
        if (closeBox)
            gameCompleteDialog()->close();
        else
            QTest::mouseClick(gameCompleteDialog()->backButton, Qt::LeftButton);
    });
    platform::showModal(gameCompleteDialog());
    QVERIFY(!gameCompleteDialog()->isVisible());
    QCOMPARE(sound::SoundChannel::instance().current(), QString());
    QCOMPARE(soundLog().last(), QStringLiteral("stop"));
}

void GameCompleteDialogTest::escapeKeepsTheCelebration()
{
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(60);
    gameCompleteDialog()->show();
    QTest::keyClick(gameCompleteDialog(), Qt::Key_Escape);
    QVERIFY(gameCompleteDialog()->isVisible());
    QCOMPARE(sound::SoundChannel::instance().current(), QStringLiteral("endgame"));
    gameCompleteDialog()->close();
}

void GameCompleteDialogTest::resultWindowsHaveNoCaptionButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("game completed") << "GameCompleteDialog";
    QTest::newRow("level completed") << "LevelDoneDialog";
    QTest::newRow("time is up") << "TimeUpDialog";
}

// The window manager offers a caption button only where a flag asks for it
// (on X, through the window's function hints).
void GameCompleteDialogTest::resultWindowsHaveNoCaptionButtons()
{
    QFETCH(QString, window);
    GameDir dir;
    Forms forms;
    QWidget* w = window == QLatin1String("GameCompleteDialog") ? static_cast<QWidget*>(gameCompleteDialog())
        : window == QLatin1String("LevelDoneDialog")        ? static_cast<QWidget*>(levelDoneDialog())
                                                  : static_cast<QWidget*>(timeUpDialog());
    const Qt::WindowFlags f = w->windowFlags();
    QVERIFY(f & Qt::CustomizeWindowHint); // only the buttons asked for
    QVERIFY(f & Qt::WindowTitleHint);
    QVERIFY(!(f & Qt::WindowCloseButtonHint));
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(f & Qt::WindowSystemMenuHint));
}

QTEST_MAIN(GameCompleteDialogTest)
#include "tst_gamecompletedialog.moc"
