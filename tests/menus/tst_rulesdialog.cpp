// The rules window: leafing through the six pages, the counter, the buttons
// at both ends, and every opening starting on the first page.
#include "menus/rulesdialog.h"
#include "platform/image.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

namespace {
int visiblePage()
{
    int shown = 0;
    for (int p = 1; p <= RulesDialog::kPages; ++p)
        if (!rulesDialog()->pageImage(p)->isHidden())
            shown = shown ? -1 : p; // -1: more than one
    return shown;
}
} // namespace

class RulesDialogTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsCounterAndPictureFollowThePage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::newRow("page 1") << 1 << false << true;
        for (int p = 2; p <= 5; ++p)
            QTest::addRow("page %d", p) << p << true << true;
        QTest::newRow("page 6") << 6 << true << false;
    }
    void buttonsCounterAndPictureFollowThePage()
    {
        QFETCH(int, page);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        Forms forms;
        rulesDialog()->show();
        for (int p = 1; p < page; ++p)
            QTest::mouseClick(rulesDialog()->nextButton, Qt::LeftButton);
        QCOMPARE(int(rulesDialog()->page()), page);
        QCOMPARE(rulesDialog()->previousButton->isEnabled(), previous);
        QCOMPARE(rulesDialog()->nextButton->isEnabled(), next);
        QCOMPARE(rulesDialog()->pageNumber->text(), QStringLiteral("%1 / 6").arg(page));
        QCOMPARE(visiblePage(), page);
        // A disabled button does nothing: the page stays within 1 to 6.
        QTest::mouseClick(previous ? rulesDialog()->nextButton : rulesDialog()->previousButton, Qt::LeftButton);
        QCOMPARE(int(rulesDialog()->page()), previous && next ? page + 1 : page);
    }

    void everyOpeningStartsOnPageOne_data()
    {
        QTest::addColumn<int>("how"); // 0 "Vissza a játékhoz", 1 Escape, 2 close box
        QTest::newRow("Vissza a játékhoz") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void everyOpeningStartsOnPageOne()
    {
        QFETCH(int, how);
        Forms forms;
        ModalLog modals;
        modals.answer = [how](QWidget*) {
            for (int i = 0; i < 3; ++i)
                QTest::mouseClick(rulesDialog()->nextButton, Qt::LeftButton);
            if (how == 0)
                QTest::mouseClick(rulesDialog()->backButton, Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(rulesDialog(), Qt::Key_Escape);
            else
                rulesDialog()->close();
            return int(rulesDialog()->result() == QDialog::Accepted ? platform::mrOk : platform::mrCancel);
        };
        QCOMPARE(platform::showModal(rulesDialog()), int(platform::mrCancel));
        QVERIFY(!rulesDialog()->isVisible());
        QCOMPARE(int(rulesDialog()->page()), 4);
        modals.answer = nullptr;
        platform::showModal(rulesDialog());
        QCOMPARE(int(rulesDialog()->page()), 1);
        QCOMPARE(rulesDialog()->pageNumber->text(), QStringLiteral("1 / 6"));
        QCOMPARE(visiblePage(), 1);
    }

    void enterPressesTheFocusedButtonOtherwiseReturns()
    {
        Forms forms;
        rulesDialog()->show();
        rulesDialog()->nextButton->setFocus();
        QTest::keyClick(rulesDialog()->nextButton, Qt::Key_Return);
        QCOMPARE(int(rulesDialog()->page()), 2);
        QVERIFY(rulesDialog()->isVisible());
        QTest::keyClick(rulesDialog(), Qt::Key_Return); // no button has it: "Vissza a játékhoz"
        QVERIFY(!rulesDialog()->isVisible());
    }

    void pagesArePalettedPicturesOfTheWindowsWidth()
    {
        Forms forms;
        for (int n = 1; n <= 6; ++n) {
            const QImage page(QStringLiteral(":/rules/page%1.bmp").arg(n));
            QCOMPARE(page.size(), QSize(572, 400));
            QCOMPARE(page.format(), QImage::Format_Indexed8);
            QVERIFY(page.colorCount() <= 256);
            QCOMPARE(rulesDialog()->pageImage(n)->picture().size(), QSize(572, 400));
        }
        // The two columns right of the pages show the window's face.
        QCOMPARE(rulesDialog()->page1->geometry(), QRect(0, 0, 572, 400));
        QCOMPARE(rulesDialog()->size(), QSize(574, 400));
    }
};

QTEST_MAIN(RulesDialogTest)
#include "tst_rulesdialog.moc"
