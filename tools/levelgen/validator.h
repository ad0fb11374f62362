#pragma once
// Checks a level file against everything the game and the player rely on.
#include <QByteArray>
#include "game/levelrecord.h"
#include "tools/levelgen/rules.h"

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
    StrayPixel,      // a changed pixel far from every click square
    Spill,           // visible change outside the click square it belongs to
    Invisible,       // a point where too little changed to be seen
    ColourBlind,     // a change a protanope or deuteranope cannot see
    OffCentre,       // a point away from the middle of its visible change
    LookAlike,       // two levels whose pictures look alike
    ThemeTooSoon,    // a theme back within kThemeWindow levels
    SameLayout,      // two levels with the same arrangement (see layoutDistance)
};
const char* faultName(Fault f);

using DiffStats = DiffCheck;

struct Report {
    std::vector<Fault> faults;
    QStringList messages;
    std::vector<DiffStats> diffs;
    QColor marker;
    QImage left, right;
    bool ok() const { return faults.empty(); }
    bool has(Fault f) const;
    int worstSpill() const;       // furthest visible change outside its square
    double worstInsideShare() const;
    QString summary(int level) const; // one line
    void fail(Fault f, const QString& text);
};

using level::decodePicture; // null unless exactly the BMP the game stores
Report validateLevel(const QByteArray& record);

// The rules between levels: every pair of left pictures far enough apart
// (reports[i] is level firstLevel + i), and no theme back too soon (theme
// of each level, from level 1). Faults are added to the reports concerned.
// The closest two levels found, for the report: their numbers and distance.
struct ClosestPair {
    int a = 0, b = 0;
    double distance = 255;
};
ClosestPair checkLookAlikes(std::vector<Report>& reports, int firstLevel);
// Every pair of left pictures laid out differently enough (kMinLayoutDistance).
ClosestPair checkLayouts(std::vector<Report>& reports, int firstLevel);
void checkThemeSpacing(std::vector<Report>& reports, int firstLevel, const std::vector<int>& themeOfLevel);

} // namespace levelgen
