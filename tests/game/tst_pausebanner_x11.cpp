// The pause banner through a real X server: a click anywhere on it resumes,
// also where a difference's square lies beneath it on the right picture.
// The regions sit on a masked layer over the window, and which control a
// press reaches there is the window system's matter, so xdotool clicks.
// Runs under tests/support/on-xvfb.sh.
#include "support/appwindows.h"
#include "game/gamewindow.h"
#include "platform/image.h"
#include "support/gamesession.h"

#include <QProcess>
#include <QtTest>

using testsupport::GameSession;

namespace {
bool clickAt(QPoint global)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                              QStringLiteral("sleep"), QStringLiteral("0.2"), QStringLiteral("click"),
                              QStringLiteral("1")})
        == 0;
}
} // namespace

class PauseBannerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (run through on-xvfb.sh)");
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("version")}) == 0, "xdotool missing");
    }

    void clickOnTheBannerResumes_data()
    {
        QTest::addColumn<QPoint>("at"); // in the window
        QTest::addColumn<bool>("guard"); // the caption guard suspended the paused game
        // The first difference's right square is 652..671 x 229..248.
        QTest::newRow("over a difference's square") << QPoint(660, 235) << false;
        QTest::newRow("away from the squares") << QPoint(420, 300) << false;
        QTest::newRow("over a square, guard suspended") << QPoint(660, 235) << true;
    }
    void clickOnTheBannerResumes()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, guard);
        GameSession s;
        s.writeLevel(1, {QPoint(100, 180), QPoint(250, 420), QPoint(40, 40)});
        s.start({.sound = false});
        QVERIFY(QTest::qWaitForWindowExposed(gameWindow()));
        QVERIFY(gameWindow()->regionsBuilt());
        gameWindow()->togglePause(); // the clock: pause
        QCOMPARE(int(gameWindow()->round.paused()), 1);
        if (guard) {
            gameWindow()->gameLive = true;
            gameWindow()->guardHitTest(GameWindow::PointerOnClose);
            QVERIFY(gameWindow()->guardSuspended());
        }
        QVERIFY(gameWindow()->pauseBanner->isVisible());
        QVERIFY(gameWindow()->pauseBanner->geometry().contains(at));
        QVERIFY(clickAt(gameWindow()->mapToGlobal(at)));
        QTRY_COMPARE_WITH_TIMEOUT(int(gameWindow()->round.paused()), 0, 5000);
        QVERIFY(!gameWindow()->pauseBanner->isVisible());
        QVERIFY(gameWindow()->leftPicture->isVisible());
        QVERIFY(gameWindow()->rightPicture->isVisible());
        gameWindow()->hide();
    }
};

QTEST_MAIN(PauseBannerTest)
#include "tst_pausebanner_x11.moc"
