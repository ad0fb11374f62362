#include "photolike.h"

#include "tools/levelgen/rng.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace editortest {

QImage photoLike(int width, int height, std::uint32_t seed)
{
    levelgen::Rng rng(seed);
    QImage img(width, height, QImage::Format_RGB32);
    const int horizon = int(height * rng.range(0.3, 0.5));
    const QColor skyTop = QColor::fromHsv(rng.between(190, 225), rng.between(80, 160), 230);
    const QColor ground = QColor::fromHsv(rng.between(30, 110), rng.between(90, 170), rng.between(110, 170));
    const double scale = width / 354.0;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double r, g, b;
            if (y < horizon) { // sky: a gradient with soft clouds
                const double t = double(y) / horizon;
                const double cloud = std::max(0.0, levelgen::fbm(x / (60.0 * scale), y / (30.0 * scale), 4, seed) - 0.55) * 2.2;
                r = skyTop.red() + (240 - skyTop.red()) * t + cloud * 120;
                g = skyTop.green() + (240 - skyTop.green()) * t + cloud * 110;
                b = skyTop.blue() + (235 - skyTop.blue()) * t + cloud * 80;
            } else { // ground: a textured field, darker towards the viewer
                const double t = double(y - horizon) / (height - horizon);
                const double tex = levelgen::fbm(x / (8.0 * scale), y / (5.0 * scale), 4, seed + 7);
                const double f = (0.75 + 0.5 * tex) * (1.05 - 0.35 * t);
                r = ground.red() * f;
                g = ground.green() * f;
                b = ground.blue() * f;
            }
            line[x] = qRgb(std::clamp(int(r), 0, 255), std::clamp(int(g), 0, 255), std::clamp(int(b), 0, 255));
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) { // shaded round things and boxes standing about
        const QPointF c(rng.range(0, width), rng.range(horizon - 20 * scale, height));
        const double rad = rng.range(8, 40) * scale;
        const QColor col = QColor::fromHsv(rng.between(0, 359), rng.between(60, 220), rng.between(80, 240));
        if (rng.chance(0.5)) {
            QRadialGradient grad(c - QPointF(rad / 3, rad / 3), rad * 1.3);
            grad.setColorAt(0, col.lighter(150));
            grad.setColorAt(1, col.darker(170));
            p.setBrush(grad);
            p.drawEllipse(c, rad, rad * rng.range(0.6, 1.0));
        } else {
            QLinearGradient grad(c, c + QPointF(rad, rad));
            grad.setColorAt(0, col.lighter(130));
            grad.setColorAt(1, col.darker(140));
            p.setBrush(grad);
            p.drawRect(QRectF(c, QSizeF(rad * 1.4, rad)));
        }
    }
    // Pebbles in the field, each on its own patch of ground: small things a
    // player finds taken away, added or turned.
    for (int i = 0; i < 30; ++i) {
        const QPointF c(rng.range(20 * scale, width - 20 * scale), rng.range(horizon + 20 * scale, height - 20 * scale));
        const double rad = rng.range(2.5, 4.5) * scale;
        const QColor col = QColor::fromHsv(rng.between(20, 40), rng.between(20, 80), rng.between(40, 70));
        QRadialGradient grad(c - QPointF(rad / 3, rad / 3), rad * 1.4);
        grad.setColorAt(0, col.lighter(160));
        grad.setColorAt(1, col);
        p.setBrush(grad);
        p.drawEllipse(c, rad * rng.range(1.0, 1.4), rad * rng.range(0.6, 0.9));
    }
    p.end();
    // Sensor noise.
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(levelgen::hash2(x, y, seed) % 9) - 4;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255), std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return img;
}

QByteArray jpegBytes(const QImage& image, int quality)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    image.save(&buf, "JPEG", quality);
    return out;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QImage decode(const QByteArray& bytes)
{
    QImage img;
    img.loadFromData(bytes);
    return img.convertToFormat(QImage::Format_RGB32);
}

void paintEdit(QImage& image, QPoint centre, int radius, int style)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QRgb under = image.pixel(centre);
    const QColor contrast = QColor::fromHsv((QColor(under).hsvHue() + 180 + 360) % 360, 200,
                                            qGray(under) > 128 ? 60 : 230);
    switch (style % 3) {
    case 0:
        p.setBrush(contrast);
        p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), radius, radius);
        break;
    case 1:
        p.setBrush(contrast.darker(120));
        p.drawRect(QRectF(centre.x() - radius + 0.5, centre.y() - radius * 0.7 + 0.5, 2 * radius, 1.4 * radius));
        break;
    default: {
        QRadialGradient g(QPointF(centre) + QPointF(0.5, 0.5), radius);
        g.setColorAt(0, contrast);
        g.setColorAt(0.8, contrast);
        g.setColorAt(1, QColor(under));
        p.setBrush(g);
        p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), radius, radius);
    }
    }
}

QImage plainWallWithTwoSpecks()
{
    QImage wall(800, 1000, QImage::Format_RGB32);
    wall.fill(QColor(190, 182, 170));
    for (QPoint c : {QPoint(250, 300), QPoint(500, 700)})
        for (int y = -8; y <= 8; ++y)
            for (int x = -11; x <= 11; ++x)
                if (x * x + 2 * y * y <= 120)
                    wall.setPixel(c + QPoint(x, y), qRgb(80, 70, 60));
    return wall;
}

QString debianPhoto(const char* name)
{
    return QStringLiteral("/usr/share/backgrounds/mate/nature/%1.jpg").arg(QLatin1String(name));
}

QSize jpegLumaSampling(const QByteArray& jpeg)
{
    // Segments after the start marker: FF, type, 2-byte length; a frame header
    // (SOF0..SOF2) holds precision, height, width, count, then per component
    // id and h/v sampling.
    for (qsizetype i = 2; i + 4 < jpeg.size();) {
        if (uchar(jpeg[i]) != 0xFF)
            return {};
        const uchar type = uchar(jpeg[i + 1]);
        const int length = (uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]);
        if (type >= 0xC0 && type <= 0xC2 && i + 11 < jpeg.size()) {
            const uchar sampling = uchar(jpeg[i + 11]);
            return QSize(sampling >> 4, sampling & 15);
        }
        i += 2 + length;
    }
    return {};
}

} // namespace editortest
