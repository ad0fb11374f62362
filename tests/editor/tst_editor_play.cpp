// A level made by the level maker, played in the game window: a press on a
// visibly changed pixel of each difference (its edge, not only its point)
// finds that difference.
#include "support/appwindows.h"
#include "editor/automaker.h"
#include "editor/cvimage.h"
#include "editor/draft.h"
#include "editor/photo.h"
#include "game/gamewindow.h"
#include "photolike.h"
#include "platform/shape.h"
#include "support/gamesession.h"

#include <QFile>
#include <QtTest>

using namespace editor;

class EditorPlayTest : public QObject {
    Q_OBJECT
private slots:
    void everyDifferenceIsFoundWhereItShows();
};

void EditorPlayTest::everyDifferenceIsFoundWhereItShows()
{
    for (int seed : {1, 2, 3}) {
        Draft d;
        const QImage photo = editortest::decode(editortest::jpegBytes(editortest::photoLike(1000, 1300, std::uint32_t(seed))));
        d.left = toMat(frameToLevel(photo, defaultFrame(photo.size())));
        QString why;
        QVERIFY2(makeDifferences(d, 12, std::uint64_t(seed), &why), qPrintable(why));
        const QByteArray rec = encodeDraft(d, &why);
        QVERIFY2(!rec.isEmpty(), qPrintable(why));

        testsupport::GameSession s;
        QDir().mkpath(s.dir.file("DATA"));
        QFile f(s.dir.file("DATA/001.DAT"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(rec);
        f.close();
        s.start();
        QVERIFY(gameWindow()->regionsBuilt());
        for (size_t k = 0; k < d.diffs.size(); ++k) {
            // The visibly changed pixel farthest from the point, on alternate pictures.
            const QPoint p = d.diffs[k].point;
            QPoint far = p;
            int best = -1;
            const QRect area = d.diffs[k].touched;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const cv::Vec3b a = d.left.at<cv::Vec3b>(y, x), b = d.right.at<cv::Vec3b>(y, x);
                    if (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) <= 30)
                        continue;
                    const int dist = std::max(std::abs(x - p.x()), std::abs(y - p.y()));
                    if (dist > best)
                        best = dist, far = QPoint(x, y);
                }
            const int before = gameWindow()->round.foundCount();
            s.clickPicture(far.x(), far.y(), int(k % 2));
            QVERIFY2(gameWindow()->round.foundCount() == before + 1,
                     qPrintable(QStringLiteral("seed %1, difference %2: press at (%3, %4) missed").arg(seed).arg(k + 1).arg(far.x()).arg(far.y())));
            QCOMPARE(s.region(int(k + 1))->penStyle(), platform::Shape::Solid);
        }
        gameWindow()->hide();
    }
}

QTEST_MAIN(EditorPlayTest)
#include "tst_editor_play.moc"
