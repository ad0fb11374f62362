#include "assets/icon/icon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace icon {

namespace {

QString num(double v) { return QString::number(v, 'f', 2); }

// SVG path data of a QPainterPath (moves, lines and cubic curves).
QString pathData(const QPainterPath& p)
{
    QString d;
    for (int i = 0; i < p.elementCount(); ++i) {
        const QPainterPath::Element e = p.elementAt(i);
        if (e.isMoveTo())
            d += QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
        else if (e.isLineTo())
            d += QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
        else if (e.type == QPainterPath::CurveToElement) {
            const QPainterPath::Element c2 = p.elementAt(i + 1), end = p.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6").arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            i += 2;
        }
    }
    return d + QLatin1Char('Z');
}

// The figure 2 as an outline, so the SVG needs no font where it is shown.
QString figureTwo(double cx, double baseline, double px)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(int(px));
    f.setBold(true);
    QPainterPath p;
    p.addText(0, 0, f, QStringLiteral("2"));
    const QRectF b = p.boundingRect();
    p.translate(cx - b.center().x(), baseline);
    return pathData(p);
}

// One photograph: a parchment mount with its shadow, sky, sun, hills and a
// house whose roof is `roof`. `ringed` draws the game's red marker around the
// house. Coordinates are the photograph's own, centred on 0, 0.
QString photo(const QString& roof, bool ringed, bool small)
{
    QString s;
    s += QStringLiteral("<rect x='-44' y='-56' width='96' height='124' rx='4' fill='#1a0f08' opacity='0.45'/>");
    s += QStringLiteral("<rect x='-48' y='-62' width='96' height='124' rx='3' fill='url(#mount)' stroke='#8A6A3F' stroke-width='1.5'/>");
    s += QStringLiteral("<rect x='-40' y='-54' width='80' height='96' fill='url(#sky)'/>");
    s += QStringLiteral("<circle cx='20' cy='-34' r='10' fill='#F6C445'/>");
    if (!small)
        s += QStringLiteral("<circle cx='20' cy='-34' r='14' fill='#F6E27A' opacity='0.35'/>");
    s += QStringLiteral("<path d='M-40 6 Q-18 -14 6 0 T40 -6 V42 H-40 Z' fill='#7DB35A'/>");
    s += QStringLiteral("<path d='M-40 24 Q-6 6 40 18 V42 H-40 Z' fill='#4F8F3E'/>");
    // The house.
    s += QStringLiteral("<rect x='-26' y='2' width='22' height='18' fill='#EFE3CB' stroke='#5A3E2B' stroke-width='1'/>");
    s += QStringLiteral("<path d='M-30 3 L-15 -12 L0 3 Z' fill='%1' stroke='#3B2A1E' stroke-width='1'/>").arg(roof);
    s += QStringLiteral("<rect x='-19' y='9' width='7' height='11' fill='#5A3E2B'/>");
    if (ringed)
        s += QStringLiteral("<circle cx='-15' cy='3' r='%1' fill='none' stroke='#D8262B' stroke-width='%2'/>")
                 .arg(small ? 22 : 19)
                 .arg(small ? 7 : 5);
    return s;
}

} // namespace

QByteArray svg(bool small)
{
    QString s;
    s += QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n");
    s += QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' version='1.1' width='256' height='256' viewBox='0 0 256 256'>\n");
    s += QStringLiteral("<defs>"
                        "<linearGradient id='wood' x1='0' y1='0' x2='0.3' y2='1'>"
                        "<stop offset='0' stop-color='#6B4A33'/><stop offset='0.55' stop-color='#5A3E2B'/>"
                        "<stop offset='1' stop-color='#3B2A1E'/></linearGradient>"
                        "<linearGradient id='gold' x1='0' y1='0' x2='1' y2='1'>"
                        "<stop offset='0' stop-color='#F6E27A'/><stop offset='0.45' stop-color='#C9A13B'/>"
                        "<stop offset='1' stop-color='#7A5A12'/></linearGradient>"
                        "<radialGradient id='medal' cx='0.4' cy='0.35' r='0.7'>"
                        "<stop offset='0' stop-color='#F6E27A'/><stop offset='0.6' stop-color='#C9A13B'/>"
                        "<stop offset='1' stop-color='#7A5A12'/></radialGradient>"
                        "<linearGradient id='mount' x1='0' y1='0' x2='0' y2='1'>"
                        "<stop offset='0' stop-color='#F3E3C3'/><stop offset='1' stop-color='#E2C99A'/></linearGradient>"
                        "<linearGradient id='sky' x1='0' y1='0' x2='0' y2='1'>"
                        "<stop offset='0' stop-color='#7FB8E0'/><stop offset='1' stop-color='#DDEFF8'/></linearGradient>"
                        "</defs>\n");
    // The tile: dark wood in a gold rim.
    s += QStringLiteral("<rect x='8' y='8' width='240' height='240' rx='44' fill='url(#wood)'/>\n");
    if (!small)
        for (int i = 0; i < 7; ++i) {
            const double y = 40 + i * 30 + (i % 3) * 4;
            s += QStringLiteral("<path d='M20 %1 C80 %2 160 %3 236 %4' fill='none' stroke='#2A1C13' stroke-width='%5' opacity='0.28'/>\n")
                     .arg(num(y), num(y - 8 + i % 4 * 3), num(y + 9 - i % 3 * 4), num(y + 2), num(1.2 + (i % 2)));
        }
    s += QStringLiteral("<rect x='12' y='12' width='232' height='232' rx='40' fill='none' stroke='url(#gold)' stroke-width='%1'/>\n")
             .arg(small ? 10 : 7);
    if (small) {
        // Side by side and upright: at 16 and 32 px a tilt is only blur.
        s += QStringLiteral("<g transform='translate(76 128) scale(1.02 1.3)'>") + photo(QStringLiteral("#B3362B"), false, true) + QStringLiteral("</g>\n");
        s += QStringLiteral("<g transform='translate(180 128) scale(1.02 1.3)'>") + photo(QStringLiteral("#2F5FA8"), true, true) + QStringLiteral("</g>\n");
    } else {
        s += QStringLiteral("<g transform='translate(82 112) rotate(-7)'>") + photo(QStringLiteral("#B3362B"), false, false) + QStringLiteral("</g>\n");
        s += QStringLiteral("<g transform='translate(170 122) rotate(6)'>") + photo(QStringLiteral("#2F5FA8"), true, false) + QStringLiteral("</g>\n");
        // The medal with the figure 2, engraved: a light edge under dark ink.
        s += QStringLiteral("<circle cx='200' cy='202' r='36' fill='#1a0f08' opacity='0.4'/>\n");
        s += QStringLiteral("<circle cx='197' cy='198' r='35' fill='url(#medal)' stroke='#7A5A12' stroke-width='2.5'/>\n");
        s += QStringLiteral("<circle cx='197' cy='198' r='28' fill='none' stroke='#F6E27A' stroke-width='1.2' opacity='0.7'/>\n");
        s += QStringLiteral("<path d='%1' fill='#F6E27A' opacity='0.8'/>\n").arg(figureTwo(198, 218, 52));
        s += QStringLiteral("<path d='%1' fill='#6B1E14'/>\n").arg(figureTwo(197, 216.5, 52));
    }
    s += QStringLiteral("</svg>\n");
    return s.toUtf8();
}

QImage render(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSvgRenderer r(svg(size < 48));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    r.render(&p, QRectF(0, 0, size, size));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

const std::vector<int>& sizes()
{
    static const std::vector<int> s{16, 32, 48, 64, 128, 256};
    return s;
}

} // namespace icon
