// The level-jump dialog: its keys and buttons, its field kept between
// openings and bounded to 1..100, and the game clock running behind it.
#include "game/uMain.h"
#include "menus/uCheat.h"
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
    Form7->SpinEdit1->selectAll();
    QTest::keyClicks(Form7->SpinEdit1, text);
}
} // namespace

class CheatTest : public QObject {
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
                QTest::mouseClick(Form7->Button1, Qt::LeftButton);
            else if (how == "Enter")
                QTest::keyClick(Form7->SpinEdit1, Qt::Key_Return);
            else if (how == "Megsem")
                QTest::mouseClick(Form7->Button2, Qt::LeftButton);
            else if (how == "EnterOnMegsem")
                QTest::keyClick(Form7->Button2, Qt::Key_Return);
            else if (how == "Escape")
                QTest::keyClick(Form7->SpinEdit1, Qt::Key_Escape);
            else
                Form7->close();
            return resultOf(Form7);
        };
        QTest::mousePress(Form1->Label10, Qt::RightButton, kGesture, QPoint(5, 5));
        QCOMPARE(s.modals.shown, QStringList{"Form7"});
        QVERIFY(!Form7->isVisible());
        QCOMPARE(Form1->Label10->text(), result == platform::mrOk ? QStringLiteral("6") : QStringLiteral("1"));
        // The value stays whatever the way out.
        QCOMPARE(Form7->SpinEdit1->value(), 6);
        QCOMPARE(Form1->rs.jumpLevel, std::uint8_t(6));
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
        Form7->show();
        type(typed);
        QTest::keyClick(Form7->SpinEdit1, Qt::Key_Return);
        QCOMPARE(Form7->SpinEdit1->value(), value);
        QCOMPARE(int(Form1->rs.jumpLevel), value);
        QCOMPARE(Form7->result(), int(QDialog::Accepted));
    }

    void fieldHasTheFocusAtEveryOpening()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.sound = false});
        QWidget* focused = nullptr;
        s.modals.answer = [&](QWidget*) {
            focused = Form7->focusWidget();
            QTest::mouseClick(Form7->Button2, Qt::LeftButton); // leaves the focus on Mégsem
            return resultOf(Form7);
        };
        Form1->Label10MouseDown(Qt::RightButton, kGesture);
        Form1->Label10MouseDown(Qt::RightButton, kGesture);
        QCOMPARE(focused, static_cast<QWidget*>(Form7->SpinEdit1));
    }

    void theClockKeepsRunningWhileItIsOpen()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.writeLevel(2, 4);
        s.start({.sound = false});
        int shownAt = -1, closedAt = -1;
        s.modals.answer = [&](QWidget*) {
            shownAt = Form1->rs.timeLeft;
            s.advance(7000);
            closedAt = Form1->rs.timeLeft;
            Form7->SpinEdit1->setValue(2);
            return int(platform::mrOk);
        };
        Form1->Label10MouseDown(Qt::RightButton, kGesture);
        QCOMPARE(shownAt, 30);
        QCOMPARE(closedAt, 23);
        QCOMPARE(Form1->lblora->text(), QStringLiteral("00:23"));
        // The jump then starts the chosen level on a fresh clock.
        QCOMPARE(Form1->rs.level, std::uint8_t(2));
        QCOMPARE(Form1->rs.timeLeft, std::uint8_t(40));
    }
};

QTEST_MAIN(CheatTest)
#include "tst_uCheat.moc"
