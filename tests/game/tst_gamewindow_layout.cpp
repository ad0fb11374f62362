// The game window is built as its layout table says: names, places, texts,
// stacking order, timers.
#include "game/gamewindow.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QtTest>

class GameWindowLayoutTest : public QObject {
    Q_OBJECT
    testsupport::Forms* forms = nullptr;
private slots:
    void init() { forms = new testsupport::Forms; }
    void cleanup() { delete forms; }

    void windowIsFixedAt1000By701()
    {
        QCOMPARE(gameWindow()->size(), QSize(1000, 701));
        QCOMPARE(gameWindow()->minimumSize(), gameWindow()->maximumSize());
        QCOMPARE(gameWindow()->windowTitle(), QStringLiteral("Kovra2"));
        const Qt::WindowFlags f = gameWindow()->windowFlags();
        QVERIFY(f & Qt::WindowCloseButtonHint);
        QVERIFY(f & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    }

    void controlsStandInTheirPlacesAndStackingOrder()
    {
        const QStringList expected{"background", "leftPicture", "rightPicture", "countPanel", "countTextBefore", "findHint", "helpPanel",
                                   "helpTitle", "countTextAfter", "remainingLabel", "clockPanel", "timeBar", "timeCaption", "clockLabel",
                                   "helpButton", "helpLine1", "helpLine2", "pauseButton", "helpOffPicture", "helpOnPicture",
                                   "warningSign", "levelPanel", "levelCaption", "levelNumberShadow", "levelNumber", "pauseBanner", "messagePanel",
                                   "shadowCursor"};
        QStringList actual;
        for (QObject* o : gameWindow()->children())
            if (o->isWidgetType())
                actual << o->objectName();
        QCOMPARE(actual, expected);
    }

    void geometryOfEachControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("visible");
        QTest::newRow("background") << "background" << QRect(0, 0, 1000, 700) << true;
        QTest::newRow("leftPicture") << "leftPicture" << QRect(76, 59, 354, 482) << true;
        QTest::newRow("rightPicture") << "rightPicture" << QRect(562, 59, 354, 482) << true;
        QTest::newRow("countPanel") << "countPanel" << QRect(336, 640, 330, 49) << true;
        QTest::newRow("countTextBefore") << "countTextBefore" << QRect(346, 652, 135, 16) << true;
        QTest::newRow("helpPanel") << "helpPanel" << QRect(672, 616, 289, 73) << true;
        QTest::newRow("remainingLabel") << "remainingLabel" << QRect(481, 643, 41, 24) << true;
        QTest::newRow("timeBar") << "timeBar" << QRect(192, 664, 129, 17) << true;
        QTest::newRow("clockLabel") << "clockLabel" << QRect(192, 642, 65, 23) << true;
        QTest::newRow("helpButton") << "helpButton" << QRect(678, 620, 60, 63) << true;
        QTest::newRow("pauseButton") << "pauseButton" << QRect(117, 624, 60, 55) << true;
        QTest::newRow("helpOffPicture") << "helpOffPicture" << QRect(456, 408, 73, 73) << false;
        QTest::newRow("helpOnPicture") << "helpOnPicture" << QRect(456, 488, 73, 73) << false;
        QTest::newRow("warningSign") << "warningSign" << QRect(282, 619, 41, 41) << false;
        QTest::newRow("levelNumberShadow") << "levelNumberShadow" << QRect(36, 641, 65, 39) << true;
        QTest::newRow("levelNumber") << "levelNumber" << QRect(34, 640, 67, 39) << true;
        QTest::newRow("pauseBanner") << "pauseBanner" << QRect(296, 192, 400, 210) << false;
        QTest::newRow("messagePanel") << "messagePanel" << QRect(336, 616, 330, 22) << true;
        QTest::newRow("shadowCursor") << "shadowCursor" << QRect(976, 672, 20, 20) << false;
    }
    void geometryOfEachControl()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(bool, visible);
        auto* w = gameWindow()->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
        QCOMPARE(w->isVisibleTo(gameWindow()), visible);
    }

    void initialTextsAndFonts()
    {
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("25"));
        QCOMPARE(gameWindow()->remainingLabel->font().pixelSize(), 24);
        QCOMPARE(gameWindow()->clockLabel->text(), QStringLiteral("00:00"));
        QCOMPARE(gameWindow()->clockLabel->font().pixelSize(), 19);
        QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("100"));
        QCOMPARE(gameWindow()->helpTitle->text(), QString::fromUtf8("Segítség"));
        QCOMPARE(gameWindow()->findHint->text(), QString::fromUtf8("Keresd meg és kattints rájuk !"));
        QVERIFY(gameWindow()->countTextBefore->alignment() & Qt::AlignRight);
        QCOMPARE(gameWindow()->timeBar->maxValue(), 100);
        QCOMPARE(gameWindow()->timeBar->progress(), 30);
        QCOMPARE(gameWindow()->shadowCursor->penWidth(), 2);
        QCOMPARE(gameWindow()->shadowCursor->penColor(), QColor(Qt::white));
        QCOMPARE(gameWindow()->helpPanel->brushColor(), QColor(210, 199, 193));
        QCOMPARE(gameWindow()->leftPicture->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(gameWindow()->helpButton->cursor().shape(), Qt::PointingHandCursor);
    }

    void timersHaveTheirIntervalsAndAllStartStopped()
    {
        QVERIFY(!gameWindow()->round.clockRunning() && !gameWindow()->round.penaltyWindowOpen());
        const QList<QPair<platform::Timer*, int>> timers{{gameWindow()->completionDelay, 3000}, {gameWindow()->warningBlinkTimer, 250},
                                                         {gameWindow()->idleTimer, 14000}, {gameWindow()->idleFlashTimer, 600}};
        for (const auto& [t, ms] : timers) {
            QCOMPARE(t->interval(), ms);
            QVERIFY(!t->enabled());
        }
    }

    void backgroundCoversRowsUpTo699AndMountOpeningsLieUnderThePictures()
    {
        QCOMPARE(gameWindow()->background->picture().size(), QSize(1000, 700));
        QCOMPARE(gameWindow()->helpOnPicture->picture().size(), QSize(60, 62));
        QCOMPARE(gameWindow()->helpOffPicture->picture().size(), QSize(60, 62));
        QCOMPARE(gameWindow()->pauseButton->picture().size(), QSize(60, 54));
        QCOMPARE(gameWindow()->warningSign->picture().size(), QSize(40, 40));
        QCOMPARE(gameWindow()->pauseBanner->picture().size(), QSize(400, 210));
        gameWindow()->leftPicture->hide();
        gameWindow()->rightPicture->hide();
        const QImage shot = gameWindow()->grab().toImage();
        const QColor face = gameWindow()->palette().color(QPalette::Window);
        QCOMPARE(shot.pixelColor(500, 700), face);
        QVERIFY(shot.pixelColor(500, 699) != face || shot.pixelColor(10, 699) != face);
    }
};

QTEST_MAIN(GameWindowLayoutTest)
#include "tst_gamewindow_layout.moc"
