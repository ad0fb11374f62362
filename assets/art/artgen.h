#pragma once
// The window pictures of the game, drawn by code. Each function returns the
// finished picture at its exact size; the same bytes come out every run.
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace art {

// Where the game window's level pictures lie over its background, and
// where its panels begin.
inline constexpr QRect kLeftOpening{76, 59, 354, 482};
inline constexpr QRect kRightOpening{562, 59, 354, 482};
inline constexpr int kPanelTop = 616;
// Fill of the game window's panels; the small icons sit on it.
inline constexpr unsigned kPanelFill = 0xD2C7C1;

QImage gameBackground();
QImage helpButton(bool active);
QImage clockIcon();
QImage warningIcon();
QImage pauseBanner();

QImage playerBackground();
QImage settingsBackground();

QImage boardOkBackground();
QImage boardFailBackground();
QImage gratulaBackground();

QImage startBackground();
QImage aboutBackground();

struct Picture {
    const char* fileName;
    QSize size;
    QImage (*render)();
};
// Every picture the windows load, under its resource file name.
const std::vector<Picture>& catalogue();

// Writes by extension: JPEG of quality 92, or a 24-bit BMP.
bool savePicture(const QImage& img, const QString& path);

} // namespace art
