#include "editor/draft.h"

#include "editor/change.h"
#include "tools/levelgen/rules.h"
#include "editor/cvimage.h"
#include "game/levelrecord.h"
#include "game/levelset.h"
#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/recordfile.h"
#include "tools/levelgen/differ.h"
#include "tools/levelgen/pack.h"
#include "tools/levelgen/validator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace editor {

QColor autoMarker(const Draft& d)
{
    std::vector<QPoint> points;
    for (const Difference& x : d.diffs)
        points.push_back(x.point);
    return levelgen::chooseMarker(toImage(d.left), points);
}

QString saveProblem(const Draft& d)
{
    const int n = int(d.diffs.size());
    if (n == 0)
        return QString::fromUtf8("nincs egy különbség sem");
    if (n > level::kMaxDiffs)
        return QString::fromUtf8("%1 különbség van, legfeljebb 25 lehet").arg(n);
    for (int k = 0; k < n; ++k) {
        const Difference& a = d.diffs[size_t(k)];
        if (!levelgen::squareOnPicture(a.point))
            return QString::fromUtf8("a(z) %1. különbség a kép szélén van, a négyzete kilóg").arg(k + 1);
        if (!a.clickable)
            return QString::fromUtf8("a(z) %1. különbség (%2, %3) nagyobb a 20 x 20-as kattintási négyzetnél: "
                                     "a szélére kattintó játékos büntetést kapna")
                .arg(k + 1).arg(a.point.x()).arg(a.point.y());
        if (!a.seenColourBlind)
            return QString::fromUtf8("a(z) %1. különbség (%2, %3) csak színében tér el: egy színtévesztő játékos nem látná")
                .arg(k + 1).arg(a.point.x()).arg(a.point.y());
        for (int j = k + 1; j < n; ++j)
            if (levelgen::squaresOverlap(a.point, d.diffs[size_t(j)].point))
                return QString::fromUtf8("a(z) %1. és a(z) %2. különbség négyzete átfedi egymást").arg(k + 1).arg(j + 1);
    }
    return {};
}

QByteArray encodeDraft(const Draft& d, QString* problem)
{
    QString why = saveProblem(d);
    QByteArray rec;
    if (why.isEmpty()) {
        QVector<QPoint> points;
        for (const Difference& x : d.diffs)
            points << x.point;
        rec = level::encodeLevel(toImage(d.left), toImage(d.right), points, d.marker.isValid() ? d.marker : autoMarker(d));
        const levelgen::Report r = levelgen::validateLevel(rec);
        if (!r.ok()) {
            why = QString::fromUtf8("a pálya nem felel meg az ellenőrzésnek: ") + r.messages.join(QStringLiteral("; "));
            rec.clear();
        }
    }
    if (problem)
        *problem = why;
    return rec;
}

QStringList differenceLines(const Draft& d)
{
    QStringList out;
    for (size_t k = 0; k < d.diffs.size(); ++k) {
        const Difference& x = d.diffs[k];
        out << QStringLiteral("%1 %2 %3 %4 %5").arg(k + 1).arg(x.point.x()).arg(x.point.y()).arg(x.kind).arg(x.changed);
    }
    return out;
}

QString levelFolder()
{
    platform::writeDir(); // the player's own folder, owner-only, when installed
    return game::LevelSet::ownLevelFolder();
}

QString levelPath(int n) { return levelgen::levelPath(levelFolder(), n); }

bool writeLevel(const QString& path, const QByteArray& record, bool keepBackup, QString* error)
{
    try {
        const QFileInfo info(path);
        if (!QDir().mkpath(info.absolutePath()))
            platform::raiseIoError(EACCES);
        if (keepBackup && info.isFile()) {
            QFile old(path);
            if (!old.open(QIODevice::ReadOnly))
                platform::raiseIoError(EACCES);
            const QByteArray bytes = old.readAll();
            platform::writeRecordAtomic(path + QStringLiteral(".bak"), bytes.constData(), bytes.size());
        }
        platform::writeRecordAtomic(path, record.constData(), record.size());
    } catch (const platform::RuntimeError& e) {
        if (error)
            *error = QString::fromUtf8("nem írható: %1 (%2)").arg(path, e.message());
        return false;
    }
    return true;
}

} // namespace editor
