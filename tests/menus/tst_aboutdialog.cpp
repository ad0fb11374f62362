// The about window: credits within their places, the link to the manual,
// and the way back to the start window.
#include "menus/aboutdialog.h"
#include "menus/startwindow.h"
#include "menus/weblink.h"
#include "menusupport.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

class AboutDialogTest : public QObject {
    Q_OBJECT
private slots:
    // Our own wording of the credits must fit the places the layout gives.
    void creditsFitTheirPlaces_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QRect>("place");
        QTest::newRow("development tool") << "toolsCredit" << QRect(72, 320, 220, 14);
        QTest::newRow("makers introduced") << "makersIntro" << QRect(72, 280, 261, 14);
        QTest::newRow("pictures") << "picturesCredit" << QRect(72, 336, 324, 14);
        QTest::newRow("picture processing") << "processingCredit" << QRect(72, 352, 278, 14);
        QTest::newRow("level music") << "levelMusicCredit" << QRect(72, 368, 440, 14);
        QTest::newRow("title music") << "titleMusicCredit" << QRect(72, 384, 236, 14);
        QTest::newRow("makers") << "makers" << QRect(336, 280, 62, 14);
        QTest::newRow("dated note") << "dateNote" << QRect(472, 136, 42, 14);
        QTest::newRow("testers heading") << "testsIntro" << QRect(72, 424, 182, 14);
        // The tests named there may use the empty scroll to their right.
        QTest::newRow("tested by 1") << "testPlaythrough" << QRect(264, 424, 248, 14);
        QTest::newRow("tested by 2") << "testFuzzing" << QRect(264, 440, 248, 14);
        QTest::newRow("tested by 3") << "testSanitizers" << QRect(264, 456, 248, 14);
        QTest::newRow("dedication") << "dedication" << QRect(72, 496, 439, 14);
    }
    void creditsFitTheirPlaces()
    {
        QFETCH(QString, label);
        QFETCH(QRect, place);
        Forms forms;
        auto* l = aboutDialog()->findChild<QLabel*>(label);
        QVERIFY(l);
        QVERIFY(!l->text().isEmpty());
        QCOMPARE(l->pos(), place.topLeft());
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= place.width(),
                 qPrintable(QStringLiteral("%1 px: %2").arg(l->fontMetrics().horizontalAdvance(l->text())).arg(l->text())));
        QVERIFY(l->fontMetrics().height() <= place.height() + 1);
        // Nothing the layout places on the scroll may run under another text.
        for (QLabel* other : aboutDialog()->findChildren<QLabel*>())
            if (other != l)
                QVERIFY2(!other->geometry().intersects(l->geometry()), qPrintable(other->objectName()));
    }

    void creditsNameOurTeamAndTools()
    {
        Forms forms;
        const QString all = [] {
            QStringList t;
            for (QLabel* l : aboutDialog()->findChildren<QLabel*>())
                t << l->text();
            return t.join(QLatin1Char('\n'));
        }();
        for (const char* word : {"Qt", "SDL2_mixer", "LAME", "1–50", "51–100", "K2 Műhely",
                                 "100 pálya", "libFuzzer", "ASan", "UBSan"})
            QVERIFY2(all.contains(QString::fromUtf8(word)), word);
        // Thanks go to what really tested the game, never to made-up people.
        for (const char* name : {"Kiss Anna", "Szabó Bence", "Tóth Réka"})
            QVERIFY2(!all.contains(QString::fromUtf8(name)), name);
        QCOMPARE(aboutDialog()->makers->font().bold(), true);
        QCOMPARE(aboutDialog()->testPlaythrough->font().bold(), true);
    }

    void linkOpensTheManualAndLeavesTheWindowOpen()
    {
        GameDir dir;
        Forms forms;
        menustest::UrlLog urls;
        aboutDialog()->show();
        QCOMPARE(aboutDialog()->webLink->text(), QString::fromUtf8("a játék kézikönyve"));
        QCOMPARE(aboutDialog()->webLink->toolTip(), QUrl::fromLocalFile(dir.file("kezikonyv.html")).toString());
        QVERIFY(aboutDialog()->webLink->font().underline());
        QCOMPARE(aboutDialog()->webLink->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(aboutDialog()->webLink, Qt::LeftButton);
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(dir.file("kezikonyv.html"))});
        QVERIFY(aboutDialog()->isVisible());
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
        startWindow()->show();
        startWindow()->titleMusic.log.clear();
        modals.answer = [byButton](QWidget*) {
            if (byButton)
                QTest::mouseClick(aboutDialog()->backButton, Qt::LeftButton);
            else
                aboutDialog()->close();
            return int(platform::mrNone); // the window has closed itself
        };
        QTest::mouseClick(startWindow()->aboutButton, Qt::LeftButton);
        QVERIFY(!aboutDialog()->isVisible());
        QVERIFY(startWindow()->isVisible());
        QCOMPARE(startWindow()->titleMusic.log,
                 (QStringList{QStringLiteral("open ") + dir.file("music/000.mp3"), "from 0", "play"}));
    }

};

QTEST_MAIN(AboutDialogTest)
#include "tst_aboutdialog.moc"
