#pragma once
// Photo-like test pictures our own code makes: soft gradients, textures,
// shapes with shading, sensor noise, JPEG at quality 85.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdint>

namespace editortest {

QImage photoLike(int width, int height, std::uint32_t seed);
QByteArray jpegBytes(const QImage& image, int quality = 85);
// Writes `bytes` to `path`; false on failure.
bool writeBytes(const QString& path, const QByteArray& bytes);
// Decodes JPEG (or any) bytes.
QImage decode(const QByteArray& bytes);
// A small, clearly visible edit centred on `centre`, as an image editor's
// brush would make it: a filled blob, a patch of another colour or a dot.
void paintEdit(QImage& image, QPoint centre, int radius, int style);

// An 800 x 1000 plain wall with two dark specks: a photo with room for two
// natural differences and no more.
QImage plainWallWithTwoSpecks();
// A real photograph from Debian's mate-backgrounds (GPL-2+), which the test
// set-up installs: `name` as in /usr/share/backgrounds/mate/nature/NAME.jpg.
QString debianPhoto(const char* name);
// The luminance sampling of a JPEG's first component (2 x 2 for 4:2:0).
QSize jpegLumaSampling(const QByteArray& jpeg);

} // namespace editortest
