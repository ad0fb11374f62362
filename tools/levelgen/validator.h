#pragma once
// Checks a level file against everything the game and the player rely on.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace levelgen {

enum class Fault {
    RecordSize,      // not exactly one record
    PictureFormat,   // not a 354 x 482, 24-bit, 512902-byte BMP
    DiffCount,       // not 1 to 25
    ReservedBytes,   // a reserved or unused byte is not zero
    PointOffPicture, // a click square reaches beyond the picture
    Overlap,         // two click squares overlap
    StrayPixel,      // a changed pixel far from every point
    Invisible,       // a point where too little changed to be seen
    OffCentre,       // a point away from the middle of its changed area
};
const char* faultName(Fault f);

struct DiffStats {
    QPoint point;
    QRect area;      // box of the noticeably changed pixels
    int changed = 0;
    int visible = 0;
};

struct Report {
    std::vector<Fault> faults;
    QStringList messages;
    std::vector<DiffStats> diffs;
    QColor marker;
    QImage left, right;
    bool ok() const { return faults.empty(); }
    bool has(Fault f) const;
    QString summary(int level) const; // one line
};

// A picture field as an image; null unless it is exactly the BMP the game stores.
QImage decodePicture(const char* data, qint64 size);
Report validateLevel(const QByteArray& record);

} // namespace levelgen
