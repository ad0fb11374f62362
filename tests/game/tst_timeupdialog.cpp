// The time-is-up window: its two results and its advice text.
#include "game/timeupdialog.h"

#include "platform/modal.h"
#include "players/windowtest.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using testsupport::Forms;
using testsupport::GameDir;

class TimeUpDialogTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsGiveTheResult_data();
    void buttonsGiveTheResult();
    void escapeDoesNotLeaveTheLevel();
    void adviceReadsInOrderAndFits();
};

void TimeUpDialogTest::buttonsGiveTheResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Megpróbálom újra") << "retryButton" << int(platform::mrOk);
    QTest::newRow("Mentés és kilépés") << "saveAndQuitButton" << int(platform::mrCancel);
    QTest::newRow("Enter") << "" << int(platform::mrOk);
}

void TimeUpDialogTest::buttonsGiveTheResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    GameDir dir;
    Forms forms;
    QCOMPARE(windowtest::modalResultOf(timeUpDialog(), button), result);
    QVERIFY(!timeUpDialog()->isVisible());
}

void TimeUpDialogTest::escapeDoesNotLeaveTheLevel()
{
    GameDir dir;
    Forms forms;
    timeUpDialog()->show();
    QTest::keyClick(timeUpDialog(), Qt::Key_Escape);
    QVERIFY(timeUpDialog()->isVisible());
    timeUpDialog()->hide();
}

void TimeUpDialogTest::adviceReadsInOrderAndFits()
{
    GameDir dir;
    Forms forms;
    // Top to bottom the lines make the two sentences of advice.
    QList<QLabel*> lines = timeUpDialog()->findChildren<QLabel*>();
    std::sort(lines.begin(), lines.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
    QStringList text;
    for (QLabel* l : lines) {
        QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
        text << l->text();
    }
    QCOMPARE(text.join(QLatin1Char(' ')),
             QString::fromUtf8("Lejárt az idő! Még 1 különbséget kellett volna megtalálni. "
                               "Próbáld minél gyorsabban megoldani a feladványokat, mert "
                               "100 maradék másodperc elérésekor egy segítséget kapsz, "
                               "amit szorult helyzetben fel tudsz használni! "
                               "Vigyázz, hogy ne kattints sokszor feleslegesen, mert az időd "
                               "vészesen kezd elfogyni! Csak azokra a helyekre kattints, ahol "
                               "a különbségeket látod!"));
}

QTEST_MAIN(TimeUpDialogTest)
#include "tst_timeupdialog.moc"
