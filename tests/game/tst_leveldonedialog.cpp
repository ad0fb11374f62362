// The level-completed window: its blinking thumbnails and its two results.
#include "game/leveldonedialog.h"

#include "platform/image.h"
#include "platform/modal.h"
#include "platform/timer.h"
#include "players/windowtest.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using platform::VirtualClock;
using testsupport::Forms;
using testsupport::GameDir;

class LevelDoneDialogTest : public QObject {
    Q_OBJECT
private slots:
    void thumbnailsAlternateOnceASecond();
    void showingRestartsTheBlink();
    void buttonsGiveTheResult_data();
    void buttonsGiveTheResult();
    void escapeLeavesTheChoiceToTheButtons();
    void textsFitTheirPlaces();
};

void LevelDoneDialogTest::thumbnailsAlternateOnceASecond()
{
    GameDir dir;
    Forms forms;
    levelDoneDialog()->show();
    auto leftShown = [] {
        const bool left = levelDoneDialog()->leftThumbnail->isVisibleTo(levelDoneDialog());
        // Exactly one of the two stacked thumbnails is shown at any time.
        return left != levelDoneDialog()->rightThumbnail->isVisibleTo(levelDoneDialog()) ? int(left) : -1;
    };
    QCOMPARE(leftShown(), 1);
    VirtualClock::advance(999);
    QCOMPARE(leftShown(), 1);
    VirtualClock::advance(1);
    QCOMPARE(leftShown(), 0);
    VirtualClock::advance(1000);
    QCOMPARE(leftShown(), 1);
    VirtualClock::advance(3000);
    QCOMPARE(leftShown(), 0);
    levelDoneDialog()->hide();
}

void LevelDoneDialogTest::showingRestartsTheBlink()
{
    GameDir dir;
    Forms forms;
    levelDoneDialog()->blinkTimer->setEnabled(false);
    VirtualClock::advance(5000);
    QVERIFY(levelDoneDialog()->leftThumbnail->isVisibleTo(levelDoneDialog()));
    levelDoneDialog()->show();
    QVERIFY(levelDoneDialog()->blinkTimer->enabled());
    VirtualClock::advance(1000);
    QVERIFY(levelDoneDialog()->rightThumbnail->isVisibleTo(levelDoneDialog()));
    levelDoneDialog()->hide();
}

void LevelDoneDialogTest::buttonsGiveTheResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Következő pálya") << "nextButton" << int(platform::mrOk);
    QTest::newRow("Mentés és kilépés") << "saveAndQuitButton" << int(platform::mrCancel);
    QTest::newRow("Enter") << "" << int(platform::mrOk);
}

void LevelDoneDialogTest::buttonsGiveTheResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    GameDir dir;
    Forms forms;
    // The real modal loop, ended by a real click.
    QCOMPARE(windowtest::modalResultOf(levelDoneDialog(), button), result);
    QVERIFY(!levelDoneDialog()->isVisible());
}

void LevelDoneDialogTest::escapeLeavesTheChoiceToTheButtons()
{
    GameDir dir;
    Forms forms;
    levelDoneDialog()->saveAndQuitButton->hide(); // as after the last level: only "Játék befejezése"
    levelDoneDialog()->show();
    QTest::keyClick(levelDoneDialog(), Qt::Key_Escape);
    QVERIFY(levelDoneDialog()->isVisible());
    levelDoneDialog()->hide();
}

void LevelDoneDialogTest::textsFitTheirPlaces()
{
    GameDir dir;
    Forms forms;
    const QStringList messages = {
        QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!"),
        QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!"),
        QString::fromUtf8("A következő segítséghez még 100 maradék másodperc kell."),
        QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"),
    };
    for (const QString& m : messages)
        QVERIFY2(QFontMetrics(levelDoneDialog()->awardLabel->font()).horizontalAdvance(m) <= levelDoneDialog()->awardLabel->width(), qPrintable(m));
    // The values stand clear of their captions.
    for (auto [caption, value] : {std::pair{levelDoneDialog()->usedTimeCaption, levelDoneDialog()->usedTimeLabel}, {levelDoneDialog()->timeLeftCaption, levelDoneDialog()->timeLeftLabel},
                                  {levelDoneDialog()->attemptsCaption, levelDoneDialog()->attemptsLabel}})
        QVERIFY(caption->geometry().right() < value->x());
}

QTEST_MAIN(LevelDoneDialogTest)
#include "tst_leveldonedialog.moc"
