// Sheets for judging automatic differences by eye: for each photo, every
// difference cropped 40 x 40 around its point and shown at 4x, the photo's
// pixels beside the edited ones, with the naturalness figures printed.
//   editor_review OUTDIR SEED COUNT PHOTO...
#include "editor/automaker.h"
#include "editor/change.h"
#include "editor/cvimage.h"
#include "editor/photo.h"
#include "editor/things.h"

#include <QMap>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

using namespace editor;

// How plainly the change shows at the picture's size (editor/change.h).
static QString findFigures(const Draft& d, const QRect& touched)
{
    const Findability f = findability(d.left, d.right, touched);
    return QStringLiteral("peak %1 area %2").arg(f.peak, 0, 'f', 1).arg(f.area);
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 5)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const quint64 seed = QByteArray(argv[2]).toULongLong();
    const int count = QByteArray(argv[3]).toInt();
    for (int i = 4; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const Photo p = loadPhoto(path);
        if (!p.ok())
            continue;
        Draft d;
        d.left = toMat(frameToLevel(p.image, defaultFrame(p.image.size())));
        d.right = d.left.clone();
        QString why;
        if (qEnvironmentVariableIsSet("REVIEW_STATS")) {
            // Every kind on every thing of the photo, alone: what stops them.
            const Survey s = surveyPhoto(d.left);
            std::printf("%s: %zu things, %zu segments, %zu hues\n", qPrintable(QFileInfo(path).completeBaseName()),
                        s.things.size(), s.segments.size(), s.hues.size());
            if (qEnvironmentVariableIsSet("REVIEW_THINGS"))
                for (const Thing& t : s.things) {
                    std::printf("   thing %d,%d %dx%d px %d sal %.3f:", t.box.x, t.box.y, t.box.width, t.box.height, t.pixels, t.salience);
                    for (int k : {0, 2, 3, 4, 5}) {
                        Draft one = d;
                        one.right = d.left.clone();
                        QString w;
                        const bool ok = addDifferenceAt(one, t.centre(), EditKind(k), seed, &w);
                        std::printf(" %s=%s", editName(EditKind(k)), ok ? "OK" : w.startsWith(QStringLiteral("itt")) ? "-" : w.contains(QStringLiteral("alig")) ? "faint" : "x");
                    }
                    std::printf("\n");
                }
            for (int k = 0; k < kEditKinds; ++k) {
                QMap<QString, int> outcome;
                for (const Thing& t : onSegments(EditKind(k)) ? s.segments : s.things) {
                    Draft one = d;
                    one.right = d.left.clone();
                    QString w;
                    outcome[addDifferenceAt(one, t.centre(), EditKind(k), seed, &w) ? QStringLiteral("made") : w] += 1;
                }
                std::printf("  %s:", editName(EditKind(k)));
                for (auto it = outcome.begin(); it != outcome.end(); ++it)
                    std::printf(" [%s] %d", qPrintable(it.key()), it.value());
                std::printf("\n");
            }
        }
        const int made = makeDifferences(d, count, seed, &why);
        const QString name = QFileInfo(path).completeBaseName();
        std::printf("%s: %d made%s%s\n", qPrintable(name), made, why.isEmpty() ? "" : " - ", qPrintable(why));
        const QImage left = toImage(d.left), right = toImage(d.right);
        constexpr int kCrop = 40, kZoom = 4, kTile = kCrop * kZoom;
        // Two differences a row, each its left and right side by side.
        constexpr int kCell = 2 * kTile + 24;
        QImage sheet(2 * kCell, std::max(1, (made + 1) / 2) * (kTile + 20), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int k = 0; k < made; ++k) {
            const Difference& x = d.diffs[size_t(k)];
            const QRect crop(x.point.x() - kCrop / 2, x.point.y() - kCrop / 2, kCrop, kCrop);
            const int y = k / 2 * (kTile + 20), x0 = k % 2 * kCell;
            painter.drawImage(QRect(x0, y + 20, kTile, kTile), left.copy(crop));
            painter.drawImage(QRect(x0 + kTile + 4, y + 20, kTile, kTile), right.copy(crop));
            const levelgen::NaturalCheck n = naturalChange(d, x.touched);
            const QString label = QStringLiteral("%1 %2 (%3,%4) c%5 s%6 f%7/%8 b%9 k%10 r%11")
                                      .arg(k + 1).arg(x.kind).arg(x.point.x()).arg(x.point.y())
                                      .arg(n.colourStep, 0, 'f', 1).arg(n.seamRatio, 0, 'f', 2)
                                      .arg(n.discFill, 0, 'f', 2).arg(n.roundness, 0, 'f', 2)
                                      .arg(n.blockShare, 0, 'f', 2).arg(n.cuts).arg(n.oldRim, 0, 'f', 2);
            painter.drawText(x0 + 4, y + 15, label);
            std::printf("  %s | %s\n", qPrintable(label), qPrintable(findFigures(d, x.touched)));
        }
        painter.end();
        sheet.save(out.filePath(name + QStringLiteral("-diffs.png")));
        QImage both(2 * left.width() + 8, left.height(), QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter bp(&both);
        bp.drawImage(0, 0, left);
        bp.drawImage(left.width() + 8, 0, right);
        bp.setPen(QPen(Qt::red, 1));
        for (const Difference& x : d.diffs)
            bp.drawEllipse(QPoint(left.width() + 8 + x.point.x(), x.point.y()), 12, 12);
        bp.end();
        both.save(out.filePath(name + QStringLiteral("-level.png")));
    }
    return 0;
}
