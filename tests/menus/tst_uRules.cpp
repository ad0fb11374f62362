// The rules window: leafing through the six pages, the counter, the buttons
// at both ends, and every opening starting on the first page.
#include "menus/uRules.h"
#include "platform/image.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

namespace {
int visiblePage()
{
    int shown = 0;
    for (int p = 1; p <= TForm9::kPages; ++p)
        if (!Form9->pageImage(p)->isHidden())
            shown = shown ? -1 : p; // -1: more than one
    return shown;
}
} // namespace

class RulesTest : public QObject {
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
        Form9->show();
        for (int p = 1; p < page; ++p)
            QTest::mouseClick(Form9->Button2, Qt::LeftButton);
        QCOMPARE(int(Form9->page()), page);
        QCOMPARE(Form9->Button1->isEnabled(), previous);
        QCOMPARE(Form9->Button2->isEnabled(), next);
        QCOMPARE(Form9->Label1->text(), QStringLiteral("%1 / 6").arg(page));
        QCOMPARE(visiblePage(), page);
        // A disabled button does nothing: the page stays within 1 to 6.
        QTest::mouseClick(previous ? Form9->Button2 : Form9->Button1, Qt::LeftButton);
        QCOMPARE(int(Form9->page()), previous && next ? page + 1 : page);
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
                QTest::mouseClick(Form9->Button2, Qt::LeftButton);
            if (how == 0)
                QTest::mouseClick(Form9->Button3, Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(Form9, Qt::Key_Escape);
            else
                Form9->close();
            return int(Form9->result() == QDialog::Accepted ? platform::mrOk : platform::mrCancel);
        };
        QCOMPARE(platform::showModal(Form9), int(platform::mrCancel));
        QVERIFY(!Form9->isVisible());
        QCOMPARE(int(Form9->page()), 4);
        modals.answer = nullptr;
        platform::showModal(Form9);
        QCOMPARE(int(Form9->page()), 1);
        QCOMPARE(Form9->Label1->text(), QStringLiteral("1 / 6"));
        QCOMPARE(visiblePage(), 1);
    }

    void enterPressesTheFocusedButtonOtherwiseReturns()
    {
        Forms forms;
        Form9->show();
        Form9->Button2->setFocus();
        QTest::keyClick(Form9->Button2, Qt::Key_Return);
        QCOMPARE(int(Form9->page()), 2);
        QVERIFY(Form9->isVisible());
        QTest::keyClick(Form9, Qt::Key_Return); // no button has it: "Vissza a játékhoz"
        QVERIFY(!Form9->isVisible());
    }

    void pagesArePalettedPicturesOfTheWindowsWidth()
    {
        Forms forms;
        for (int n = 1; n <= 6; ++n) {
            const QImage page(QStringLiteral(":/rules/page%1.bmp").arg(n));
            QCOMPARE(page.size(), QSize(572, 400));
            QCOMPARE(page.format(), QImage::Format_Indexed8);
            QVERIFY(page.colorCount() <= 256);
            QCOMPARE(Form9->pageImage(n)->picture().size(), QSize(572, 400));
        }
        // The two columns right of the pages show the window's face.
        QCOMPARE(Form9->Image1->geometry(), QRect(0, 0, 572, 400));
        QCOMPARE(Form9->size(), QSize(574, 400));
    }
};

QTEST_MAIN(RulesTest)
#include "tst_uRules.moc"
