// A generated level played through the real game window: a press on each
// recorded point finds its difference, one by one, well within the time.
#include "game/uMain.h"
#include "platform/timer.h"
#include "support/gamesession.h"
#include "tools/levelgen/pack.h"
#include "tools/levelgen/validator.h"

#include <QFile>
#include <QLabel>
#include <QtTest>

using testsupport::GameSession;

class LevelgenPlayTest : public QObject {
    Q_OBJECT
private slots:
    void pressingEachRecordedPointFindsItsDifference_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("first level") << 1;
        QTest::newRow("last level") << 100;
    }
    void pressingEachRecordedPointFindsItsDifference()
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
        QCOMPARE(Form1->lblkulonbseg->text(), QString::number(count));
        for (int k = 0; k < count; ++k) {
            s.advance(7000); // a careful player: seven seconds a find
            const QPoint pt = r.diffs[std::size_t(k)].point;
            s.clickPicture(pt.x(), pt.y(), k % 2);
            QCOMPARE(Form1->lblkulonbseg->text(), QString::number(count - k - 1));
            QVERIFY(!Form1->buntimer->enabled()); // never taken for a miss
        }
        QVERIFY(Form1->DelayTimer->enabled());
        QVERIFY(Form1->rs.timeLeft > 0);
        Form1->hide();
    }
};

QTEST_MAIN(LevelgenPlayTest)
#include "tst_levelgen_play.moc"
