// The game-completed window: the total time and the tune that loops until
// the window closes, whatever the sound setting says.
#include "game/uBoardFail.h"
#include "game/uBoardOK.h"
#include "game/uGratula.h"

#include "platform/modal.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"
#include "sound/soundchannel.h"
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
    Form3->roster.playerCount = 1;
    Form3->roster.slot(1) = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    Form3->roster.slot(1).level = 101;
    Form3->roster.slot(1).totalSeconds = seconds;
    Form3->selectedPlayer = 1;
}
} // namespace

class TestGratula : public QObject {
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

void TestGratula::showsTotalTimeInWords_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("7507") << 7507 << QString::fromUtf8("2 óra, 5 perc és 7 másodperc.");
    QTest::newRow("under a minute") << 59 << QString::fromUtf8("0 óra, 0 perc és 59 másodperc.");
    QTest::newRow("long game") << 100 * 3600 + 3599 << QString::fromUtf8("100 óra, 59 perc és 59 másodperc.");
}

void TestGratula::showsTotalTimeInWords()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(seconds);
    Form6->show();
    QCOMPARE(Form6->Label3->text(), text);
    // Shown whole after its caption.
    QVERIFY(Form6->Label2->geometry().right() < Form6->Label3->x());
    QVERIFY(Form6->Label3->width() >= QFontMetrics(Form6->Label3->font()).horizontalAdvance(text));
    Form6->close();
}

void TestGratula::tuneLoopsWhateverTheSoundSetting_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("sound on") << true;
    QTest::newRow("sound off") << false;
}

void TestGratula::tuneLoopsWhateverTheSoundSetting()
{
    QFETCH(bool, soundOn);
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(7507);
    Form8->chkSound->setChecked(soundOn);
    testsupport::ModalLog modal;
    QStringList whileShown;
    modal.answer = [&](QWidget*) {
        whileShown = soundLog();
        return int(platform::mrOk);
    };
    platform::showModal(Form6);
    QCOMPARE(modal.shown, QStringList{"Form6"});
    QCOMPARE(whileShown, QStringList{"endgame (loop)"});
    QCOMPARE(soundLog(), (QStringList{"endgame (loop)", "stop"}));
}

void TestGratula::everyCloseStopsTheTune_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Vissza a főmenübe") << false;
    QTest::newRow("closed by a shutdown") << true;
}

void TestGratula::everyCloseStopsTheTune()
{
    QFETCH(bool, closeBox);
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(60);
    QTimer::singleShot(0, Form6, [closeBox] {
        QCOMPARE(sound::SoundChannel::instance().current(), QStringLiteral("endgame"));
        if (closeBox)
            Form6->close();
        else
            QTest::mouseClick(Form6->Button1, Qt::LeftButton);
    });
    platform::showModal(Form6);
    QVERIFY(!Form6->isVisible());
    QCOMPARE(sound::SoundChannel::instance().current(), QString());
    QCOMPARE(soundLog().last(), QStringLiteral("stop"));
}

void TestGratula::escapeKeepsTheCelebration()
{
    GameDir dir;
    Forms forms;
    choosePlayerWithTotal(60);
    Form6->show();
    QTest::keyClick(Form6, Qt::Key_Escape);
    QVERIFY(Form6->isVisible());
    QCOMPARE(sound::SoundChannel::instance().current(), QStringLiteral("endgame"));
    Form6->close();
}

void TestGratula::resultWindowsHaveNoCaptionButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("game completed") << "Form6";
    QTest::newRow("level completed") << "Form4";
    QTest::newRow("time is up") << "Form5";
}

// The window manager offers a caption button only where a flag asks for it
// (on X, through the window's function hints).
void TestGratula::resultWindowsHaveNoCaptionButtons()
{
    QFETCH(QString, window);
    GameDir dir;
    Forms forms;
    QWidget* w = window == QLatin1String("Form6") ? static_cast<QWidget*>(Form6)
        : window == QLatin1String("Form4")        ? static_cast<QWidget*>(Form4)
                                                  : static_cast<QWidget*>(Form5);
    const Qt::WindowFlags f = w->windowFlags();
    QVERIFY(f & Qt::CustomizeWindowHint); // only the buttons asked for
    QVERIFY(f & Qt::WindowTitleHint);
    QVERIFY(!(f & Qt::WindowCloseButtonHint));
    QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(f & Qt::WindowSystemMenuHint));
}

QTEST_MAIN(TestGratula)
#include "tst_uGratula.moc"
