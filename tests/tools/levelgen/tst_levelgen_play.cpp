// A generated level played through the real game window as a player does:
// a press on what visibly changed (the changed pixel furthest from the
// recorded point that still lies in its square, as a player pressing the
// edge of a changed thing would) finds each difference, well within the time.
#include "support/appwindows.h"
#include "game/gamewindow.h"
#include "platform/timer.h"
#include "support/gamesession.h"
#include "tools/levelgen/pack.h"
#include "tools/levelgen/validator.h"

#include <QFile>
#include <QLabel>
#include <QtTest>

using testsupport::GameSession;

namespace {
QPoint furthestVisibleChange(const levelgen::Report& r, QPoint point)
{
    QPoint best = point;
    int bestDistance = -1;
    const QRect square = levelgen::hitSquare(point);
    for (int y = square.top(); y <= square.bottom(); ++y)
        for (int x = square.left(); x <= square.right(); ++x) {
            const int d = std::abs(x - point.x()) + std::abs(y - point.y());
            if (d > bestDistance && levelgen::channelSum(r.left.pixel(x, y), r.right.pixel(x, y)) > levelgen::kVisibleSum)
                best = QPoint(x, y), bestDistance = d;
        }
    return best;
}
} // namespace

class LevelgenPlayTest : public QObject {
    Q_OBJECT
private slots:
    void pressingWhatChangedFindsEachDifference_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("first level") << 1;
        QTest::newRow("a middle level") << 47;
        QTest::newRow("last level") << 100;
    }
    void pressingWhatChangedFindsEachDifference()
    {
        QFETCH(int, n);
        GameSession s;
        const levelgen::Level lv = levelgen::generateLevel(n);
        QFile f(s.dir.file(QStringLiteral("DATA/001.DAT")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(lv.record);
        f.close();
        const levelgen::Report r = levelgen::validateLevel(lv.record);
        QVERIFY(r.ok());
        s.start();
        const int count = int(r.diffs.size());
        QCOMPARE(gameWindow()->remainingLabel->text(), QString::number(count));
        for (int k = 0; k < count; ++k) {
            s.advance(7000); // a careful player: seven seconds a find
            const QPoint pt = furthestVisibleChange(r, r.diffs[std::size_t(k)].point);
            QVERIFY(pt != r.diffs[std::size_t(k)].point);
            s.clickPicture(pt.x(), pt.y(), k % 2);
            QCOMPARE(gameWindow()->remainingLabel->text(), QString::number(count - k - 1));
            QVERIFY(!gameWindow()->round.penaltyWindowOpen()); // never taken for a miss
        }
        QVERIFY(gameWindow()->completionDelay->enabled());
        QVERIFY(gameWindow()->round.timeLeft() > 0);
        gameWindow()->hide();
    }
};

QTEST_MAIN(LevelgenPlayTest)
#include "tst_levelgen_play.moc"
