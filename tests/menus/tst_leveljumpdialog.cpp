// The level-jump dialog: its keys and buttons, its field kept between
// openings and bounded to 1..100, and the game clock running behind it.
#include "support/appwindows.h"
#include "game/gamewindow.h"
#include "menus/leveljumpdialog.h"
#include "support/gamesession.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using testsupport::GameSession;

namespace {
const auto kGesture = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

int resultOf(QDialog* d) { return d->result() == QDialog::Accepted ? platform::mrOk : platform::mrCancel; }

// Replaces the field's text by typing, as a player would.
void type(const QString& text)
{
    levelJumpDialog()->levelBox->selectAll();
    QTest::keyClicks(levelJumpDialog()->levelBox, text);
}
} // namespace

class LevelJumpDialogTest : public QObject {
    Q_OBJECT
private slots:
    void howTheDialogCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << "OK" << int(platform::mrOk);
        QTest::newRow("Enter in the field") << "Enter" << int(platform::mrOk);
        QTest::newRow("Mégsem") << "Megsem" << int(platform::mrCancel);
        QTest::newRow("Enter on Mégsem") << "EnterOnMegsem" << int(platform::mrCancel);
        QTest::newRow("Escape") << "Escape" << int(platform::mrCancel);
        QTest::newRow("close box") << "close" << int(platform::mrCancel);
    }
    void howTheDialogCloses()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        GameSession s;
        s.writeLevel(1, 3);
        s.writeLevel(6, 2);
        s.start({.sound = false});
        s.modals.answer = [how](QWidget*) {
            type(QStringLiteral("6"));
            if (how == "OK")
                QTest::mouseClick(levelJumpDialog()->okButton, Qt::LeftButton);
            else if (how == "Enter")
                QTest::keyClick(levelJumpDialog()->levelBox, Qt::Key_Return);
            else if (how == "Megsem")
                QTest::mouseClick(levelJumpDialog()->cancelButton, Qt::LeftButton);
            else if (how == "EnterOnMegsem")
                QTest::keyClick(levelJumpDialog()->cancelButton, Qt::Key_Return);
            else if (how == "Escape")
                QTest::keyClick(levelJumpDialog()->levelBox, Qt::Key_Escape);
            else
                levelJumpDialog()->close();
            return resultOf(levelJumpDialog());
        };
        QTest::mousePress(gameWindow()->levelNumber, Qt::RightButton, kGesture, QPoint(5, 5));
        QCOMPARE(s.modals.shown, QStringList{"LevelJumpDialog"});
        QVERIFY(!levelJumpDialog()->isVisible());
        QCOMPARE(gameWindow()->levelNumber->text(), result == platform::mrOk ? QStringLiteral("6") : QStringLiteral("1"));
        // The value stays whatever the way out.
        QCOMPARE(levelJumpDialog()->levelBox->value(), 6);
        QCOMPARE(levelJumpDialog()->chosenLevel(), 6);
    }

    void typedNumbersAreBroughtIntoRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::newRow("150") << "150" << 100;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("42") << "42" << 42;
        QTest::newRow("100") << "100" << 100;
    }
    void typedNumbersAreBroughtIntoRange()
    {
        QFETCH(QString, typed);
        QFETCH(int, value);
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.sound = false});
        levelJumpDialog()->show();
        type(typed);
        QTest::keyClick(levelJumpDialog()->levelBox, Qt::Key_Return);
        QCOMPARE(levelJumpDialog()->levelBox->value(), value);
        QCOMPARE(levelJumpDialog()->chosenLevel(), value);
        QCOMPARE(levelJumpDialog()->result(), int(QDialog::Accepted));
    }

    void fieldHasTheFocusAtEveryOpening()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.sound = false});
        QWidget* focused = nullptr;
        s.modals.answer = [&](QWidget*) {
            focused = levelJumpDialog()->focusWidget();
            QTest::mouseClick(levelJumpDialog()->cancelButton, Qt::LeftButton); // leaves the focus on Mégsem
            return resultOf(levelJumpDialog());
        };
        gameWindow()->levelNumberPressed(Qt::RightButton, kGesture);
        gameWindow()->levelNumberPressed(Qt::RightButton, kGesture);
        QCOMPARE(focused, static_cast<QWidget*>(levelJumpDialog()->levelBox));
    }

    void theClockKeepsRunningWhileItIsOpen()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.writeLevel(2, 4);
        s.start({.sound = false});
        int shownAt = -1, closedAt = -1;
        s.modals.answer = [&](QWidget*) {
            shownAt = gameWindow()->round.timeLeft();
            s.advance(7000);
            closedAt = gameWindow()->round.timeLeft();
            levelJumpDialog()->levelBox->setValue(2);
            return int(platform::mrOk);
        };
        gameWindow()->levelNumberPressed(Qt::RightButton, kGesture);
        QCOMPARE(shownAt, 30);
        QCOMPARE(closedAt, 23);
        QCOMPARE(gameWindow()->clockLabel->text(), QStringLiteral("00:23"));
        // The jump then starts the chosen level on a fresh clock.
        QCOMPARE(gameWindow()->roundState.level, std::uint8_t(2));
        QCOMPARE(gameWindow()->round.timeLeft(), 40);
    }
};

QTEST_MAIN(LevelJumpDialogTest)
#include "tst_leveljumpdialog.moc"
