// The about window: credits within their places, the link to the manual,
// and the way back to the start window.
#include "menus/uAbout.h"
#include "menus/uStarter.h"
#include "menus/weblink.h"
#include "menusupport.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    // Our own wording of the credits must fit the places the layout gives.
    void creditsFitTheirPlaces_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QRect>("place");
        QTest::newRow("development tool") << "Label1" << QRect(72, 320, 220, 14);
        QTest::newRow("makers introduced") << "Label2" << QRect(72, 280, 261, 14);
        QTest::newRow("pictures") << "Label3" << QRect(72, 336, 324, 14);
        QTest::newRow("picture processing") << "Label4" << QRect(72, 352, 278, 14);
        QTest::newRow("level music") << "Label5" << QRect(72, 368, 440, 14);
        QTest::newRow("title music") << "Label6" << QRect(72, 384, 236, 14);
        QTest::newRow("makers") << "Label7" << QRect(336, 280, 62, 14);
        QTest::newRow("dated note") << "Label8" << QRect(472, 136, 42, 14);
        QTest::newRow("testers heading") << "Label11" << QRect(72, 424, 182, 14);
        // The tests named there may use the empty scroll to their right.
        QTest::newRow("tested by 1") << "Label12" << QRect(264, 424, 248, 14);
        QTest::newRow("tested by 2") << "Label13" << QRect(264, 440, 248, 14);
        QTest::newRow("tested by 3") << "Label14" << QRect(264, 456, 248, 14);
        QTest::newRow("dedication") << "Label15" << QRect(72, 496, 439, 14);
    }
    void creditsFitTheirPlaces()
    {
        QFETCH(QString, label);
        QFETCH(QRect, place);
        Forms forms;
        auto* l = Form10->findChild<QLabel*>(label);
        QVERIFY(l);
        QVERIFY(!l->text().isEmpty());
        QCOMPARE(l->pos(), place.topLeft());
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= place.width(),
                 qPrintable(QStringLiteral("%1 px: %2").arg(l->fontMetrics().horizontalAdvance(l->text())).arg(l->text())));
        QVERIFY(l->fontMetrics().height() <= place.height() + 1);
        // Nothing the layout places on the scroll may run under another text.
        for (QLabel* other : Form10->findChildren<QLabel*>())
            if (other != l)
                QVERIFY2(!other->geometry().intersects(l->geometry()), qPrintable(other->objectName()));
    }

    void creditsNameOurTeamAndTools()
    {
        Forms forms;
        const QString all = [] {
            QStringList t;
            for (QLabel* l : Form10->findChildren<QLabel*>())
                t << l->text();
            return t.join(QLatin1Char('\n'));
        }();
        for (const char* word : {"Qt", "SDL2_mixer", "LAME", "1–50", "51–100", "K2 Műhely",
                                 "100 pálya", "libFuzzer", "ASan", "UBSan"})
            QVERIFY2(all.contains(QString::fromUtf8(word)), word);
        // Thanks go to what really tested the game, never to made-up people.
        for (const char* name : {"Kiss Anna", "Szabó Bence", "Tóth Réka"})
            QVERIFY2(!all.contains(QString::fromUtf8(name)), name);
        QCOMPARE(Form10->Label7->font().bold(), true);
        QCOMPARE(Form10->Label12->font().bold(), true);
    }

    void linkOpensTheManualAndLeavesTheWindowOpen()
    {
        GameDir dir;
        Forms forms;
        menustest::UrlLog urls;
        Form10->show();
        QCOMPARE(Form10->Label9->text(), QString::fromUtf8("a játék kézikönyve"));
        QCOMPARE(Form10->Label9->toolTip(), QUrl::fromLocalFile(dir.file("kezikonyv.html")).toString());
        QVERIFY(Form10->Label9->font().underline());
        QCOMPARE(Form10->Label9->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(Form10->Label9, Qt::LeftButton);
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(dir.file("kezikonyv.html"))});
        QVERIFY(Form10->isVisible());
    }

    void mainMenuButtonAndCloseBoxBothReturnToTheStartWindow_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Főmenü") << true;
        QTest::newRow("close box") << false;
    }
    void mainMenuButtonAndCloseBoxBothReturnToTheStartWindow()
    {
        QFETCH(bool, byButton);
        GameDir dir;
        MessageLog messages;
        ModalLog modals;
        Forms forms;
        menustest::writeSettings(dir.path(), true);
        menustest::writeTitleMusic(dir.path());
        Form2->show();
        Form2->MediaPlayer1.log.clear();
        modals.answer = [byButton](QWidget*) {
            if (byButton)
                QTest::mouseClick(Form10->Button1, Qt::LeftButton);
            else
                Form10->close();
            return int(platform::mrNone); // the window has closed itself
        };
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QVERIFY(!Form10->isVisible());
        QVERIFY(Form2->isVisible());
        QCOMPARE(Form2->MediaPlayer1.log,
                 (QStringList{QStringLiteral("open ") + dir.file("music/000.mp3"), "from 0", "play"}));
    }

};

QTEST_MAIN(AboutTest)
#include "tst_uAbout.moc"
