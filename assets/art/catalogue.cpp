#include "assets/art/artgen.h"

#include <QImageWriter>

namespace art {

const std::vector<Picture>& catalogue()
{
    static const std::vector<Picture> list{
        {"game_background.jpg", {1000, 700}, gameBackground},
        {"help_active.bmp", {60, 62}, [] { return helpButton(true); }},
        {"help_inactive.bmp", {60, 62}, [] { return helpButton(false); }},
        {"clock.bmp", {60, 54}, clockIcon},
        {"warning.bmp", {40, 40}, warningIcon},
        {"pause_banner.jpg", {400, 210}, pauseBanner},
        {"player_background.jpg", {600, 417}, playerBackground},
        {"settings_background.jpg", {401, 534}, settingsBackground},
        {"boardok_background.jpg", {401, 534}, boardOkBackground},
        {"boardfail_background.jpg", {400, 533}, boardFailBackground},
        {"gratula_background.jpg", {850, 582}, gratulaBackground},
        {"start_background.jpg", {400, 593}, startBackground},
        {"about_background.jpg", {574, 760}, aboutBackground},
    };
    return list;
}

bool savePicture(const QImage& img, const QString& path)
{
    const bool jpeg = path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    QImageWriter writer(path, jpeg ? "jpeg" : "bmp");
    if (jpeg) {
        writer.setQuality(92);
        writer.setOptimizedWrite(true);
    }
    // Both formats carry no alpha: the pictures are opaque 24-bit colour.
    return writer.write(img.convertToFormat(QImage::Format_RGB32));
}

} // namespace art
