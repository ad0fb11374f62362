// Windows larger than the screen's free area are scaled down, layout whole,
// instead of being pushed off the screen. The last case starts the real
// game on a small Xvfb screen (run through tests/support/on-xvfb.sh).
#include "platform/appearance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using platform::fitScale;

namespace {
bool onX() { return qEnvironmentVariableIsSet("DISPLAY") && QStandardPaths::findExecutable("xdotool").size() > 0; }

QString xdotool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(15000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}
} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void factorMakesTheLargestWindowFit_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<qreal>("factor");
        // Logical sizes: 1080 pixels at 150 % is 1280 x 720, less a panel.
        QTest::newRow("1080 at 100 %") << QSize(1920, 1040) << 1.0;
        QTest::newRow("1080 at 150 %, panel") << QSize(1280, 690) << 0.89;
        QTest::newRow("768 at 100 %, panel") << QSize(1366, 741) << 0.96;
        QTest::newRow("exactly enough") << QSize(1012, 770) << 1.0;
        QTest::newRow("one pixel short") << QSize(1012, 769) << 0.99;
        QTest::newRow("narrow") << QSize(800, 1200) << 0.79;
        QTest::newRow("no screen") << QSize() << 1.0;
    }
    void factorMakesTheLargestWindowFit()
    {
        QFETCH(QSize, available);
        QFETCH(qreal, factor);
        const qreal f = fitScale(available, platform::largestClient(), platform::frameAllowance());
        QCOMPARE(f, factor);
        if (!available.isEmpty()) {
            const QSize scaled = (platform::largestClient() + platform::frameAllowance()) * f;
            QVERIFY(scaled.width() <= available.width() && scaled.height() <= available.height());
        }
    }

    void shrinkingStopsAtOneDevicePixel_data()
    {
        QTest::addColumn<qreal>("current");
        QTest::addColumn<qreal>("screenRatio");
        QTest::addColumn<qreal>("fit");
        QTest::addColumn<qreal>("factor");
        QTest::newRow("fits already") << 1.0 << 1.5 << 1.0 << 0.0;
        QTest::newRow("unscaled screen: nothing to shrink") << 1.0 << 1.0 << 0.96 << 0.0;
        QTest::newRow("desktop at 150 %") << 1.0 << 1.5 << 0.9 << 0.9;
        QTest::newRow("QT_SCALE_FACTOR 2") << 2.0 << 2.0 << 0.77 << 1.54;
        QTest::newRow("would go below 1") << 1.0 << 1.25 << 0.7 << 0.8;
    }
    void shrinkingStopsAtOneDevicePixel()
    {
        QFETCH(qreal, current);
        QFETCH(qreal, screenRatio);
        QFETCH(qreal, fit);
        QFETCH(qreal, factor);
        const qreal got = platform::shrunkScaleFactor(current, screenRatio, fit);
        QCOMPARE(got, factor);
        if (got > 0)
            QVERIFY(screenRatio / current * got >= 1 - 1e-9);
    }

    // The real game at 200 % on a screen of 1024 x 600 layout pixels: its
    // start window comes up scaled by the factor that makes the largest
    // window fit.
    void gameStartsScaledOnASmallScreen()
    {
        if (!onX())
            QSKIP("needs an X server and xdotool (run through on-xvfb.sh)");
        QTemporaryDir folder; // a portable copy: it writes beside itself
        const QString exe = folder.path() + QStringLiteral("/kovra2");
        QVERIFY(QFile::copy(QStringLiteral(KOVRA2_EXE), exe));
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        game.setProcessEnvironment(env);
        game.start(exe, {});
        QVERIFY(game.waitForStarted());
        QSize biggest;
        QElapsedTimer t;
        t.start();
        // Our windows titled "Kovra 2": the start window, and the note that
        // the title music is missing from this bare folder.
        while (biggest.height() < 300 && t.elapsed() < 20000) {
            QTest::qWait(200);
            const QStringList ids = xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Kovra 2$")})
                                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (const QString& id : ids) {
                const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)"))
                                                      .match(xdotool({QStringLiteral("getwindowgeometry"), id}));
                if (m.hasMatch()) {
                    const QSize s(m.captured(1).toInt(), m.captured(2).toInt());
                    if (s.height() > biggest.height())
                        biggest = s;
                }
            }
        }
        game.terminate();
        game.waitForFinished(5000);
        const qreal f = 2 * fitScale(QSize(1024, 600), platform::largestClient(), platform::frameAllowance());
        QVERIFY(f < 2);
        QVERIFY2(!biggest.isEmpty(), "no start window");
        QVERIFY2(qAbs(biggest.width() - 400 * f) <= 2 && qAbs(biggest.height() - 593 * f) <= 2,
                 qPrintable(QStringLiteral("%1 x %2 at %3").arg(biggest.width()).arg(biggest.height()).arg(f)));
    }
};

QTEST_GUILESS_MAIN(ScreenFitTest)
#include "tst_screenfit.moc"
