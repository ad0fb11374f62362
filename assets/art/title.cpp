#include "assets/art/title.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include "assets/art/effects.h"

namespace art {

namespace {
const QString kWord = QStringLiteral("KOVRA");
const QString kTwo = QStringLiteral("2");

// Liberation Serif's capitals stand about 0.66 of the pixel size.
QFont wordFont(qreal capHeight) { return serif(capHeight / 0.66, true, false); }
QFont twoFont(qreal capHeight) { return serif(capHeight * 1.55 / 0.66, true, true); }
qreal gap(qreal capHeight) { return capHeight * 0.2; }
} // namespace

static qreal titleWidth(qreal capHeight)
{
    return QFontMetricsF(wordFont(capHeight)).horizontalAdvance(kWord) + gap(capHeight) +
           QFontMetricsF(twoFont(capHeight)).horizontalAdvance(kTwo);
}

void drawGameTitle(QPainter& p, qreal centreX, qreal baseline, qreal width, QColor shadow)
{
    // Letter widths grow with the size; one measurement finds the size.
    const qreal cap = 100.0 * width / titleWidth(100.0);
    const QPointF origin(centreX - titleWidth(cap) / 2, baseline);
    const QPainterPath word = textPath(kWord, wordFont(cap), origin);
    const qreal wordWidth = QFontMetricsF(wordFont(cap)).horizontalAdvance(kWord);
    const QPointF twoAt = origin + QPointF(wordWidth + gap(cap), -cap * 0.32);
    const QPainterPath two = textPath(kTwo, twoFont(cap), twoAt);

    // A soft cast shadow, then a crisp drop shadow under the white letters.
    softShadow(p, word, QPointF(cap * 0.05, cap * 0.09), int(cap * 0.12), QColor(0, 0, 0, 120));
    p.fillPath(word.translated(cap * 0.045, cap * 0.06), shadow);
    p.fillPath(word, Qt::white);
    p.strokePath(word, QPen(QColor(0, 0, 0, 40), 0.8));

    // The figure in outline only: a dark line with a white core.
    const qreal line = std::max(2.5, cap * 0.085);
    const QPen outline(QColor(0x6B1E14), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    softShadow(p, QPainterPathStroker(outline).createStroke(two), QPointF(cap * 0.04, cap * 0.07), int(cap * 0.1),
               QColor(0, 0, 0, 110));
    p.strokePath(two, outline);
    p.strokePath(two, QPen(Qt::white, line * 0.38, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace art
