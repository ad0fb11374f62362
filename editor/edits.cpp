#include "editor/edits.h"

#include "tools/levelgen/rng.h"
#include "tools/levelgen/rules.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>
#include <opencv2/xphoto.hpp>
#include <algorithm>
#include <cmath>

namespace editor {

const char* editName(EditKind k)
{
    switch (k) {
    case EditKind::Remove: return "remove";
    case EditKind::Recolour: return "recolour";
    case EditKind::Clone: return "clone";
    case EditKind::Mirror: return "mirror";
    case EditKind::Enlarge: return "enlarge";
    case EditKind::Object: return "object";
    }
    return "?";
}

QString editTitle(EditKind k)
{
    switch (k) {
    case EditKind::Remove: return QString::fromUtf8("Részlet eltávolítása");
    case EditKind::Recolour: return QString::fromUtf8("Átszínezés");
    case EditKind::Clone: return QString::fromUtf8("Folt a közelből");
    case EditKind::Mirror: return QString::fromUtf8("Tükrözés");
    case EditKind::Enlarge: return QString::fromUtf8("Nagyítás");
    case EditKind::Object: return QString::fromUtf8("Új kis tárgy");
    }
    return {};
}

bool editFromName(const QString& name, EditKind& out)
{
    for (int i = 0; i < kEditKinds; ++i)
        if (name == QLatin1String(editName(EditKind(i)))) {
            out = EditKind(i);
            return true;
        }
    return false;
}

namespace {
constexpr double kTexturedRing = 4;   // grey deviation of the ring above which a removal fills with texture (above sensor noise)
constexpr double kFineGrain = 3;      // mean grey step from the ring's 5 x 5 blur: grain that inpainting would smear
constexpr double kHueLightness = 20; // L* between a recoloured segment and the photo's pixels of its new hue
// How much further from its ring (a*b*) a recoloured segment may stand than
// before: below the naturalness rule's step, so a red berry among leaves may
// turn yellow, but a brown bud may not turn into a blue one.
constexpr double kRecolourApart = 11;
constexpr double kMaxCopyCost = 52;   // BGR steps between a copied thing's ground and its new place's
constexpr double kMaxFillStep = 4;   // grey steps between a removal's fill and the ground around it
constexpr double kTexturedFill = 8;  // grey deviation of the ring above which a removal's fill must keep some of it
constexpr double kMinFillGrain = 0.35; // share of the ring's grey deviation a fill of textured ground keeps
constexpr double kMaxRimApart = 0.4;  // share of the two pixels around a removed thing that may stand apart too
constexpr double kMaxBareCost = 44;  // BGR steps between a removal's ground and the band around the thing
constexpr double kMaxCloneCost = 30; // the same for a clone, in the band just past its wider write
constexpr double kMaxHaloStep = 6;   // grey steps between the ground just past a clone's write and further out
constexpr int kMinShift = 16;         // a clone's source or an added thing's place lies this far or more away
constexpr int kMaxShift = 64;

cv::Rect grown(const cv::Rect& r, int m, const cv::Mat& pic)
{
    return cv::Rect(r.x - m, r.y - m, r.width + 2 * m, r.height + 2 * m) & cv::Rect(0, 0, pic.cols, pic.rows);
}

bool inside(const cv::Rect& r, const cv::Mat& pic) { return (r & cv::Rect(0, 0, pic.cols, pic.rows)) == r; }

// right(area) = patch * alpha + right(area) * (1 - alpha); `touched` gets the
// box of the pixels alpha reaches.
void blend(cv::Mat& right, const cv::Rect& area, const cv::Mat& patch, const cv::Mat& alpha, QRect& touched)
{
    cv::Mat dst = right(area);
    int x0 = area.width, y0 = area.height, x1 = -1, y1 = -1;
    for (int y = 0; y < area.height; ++y) {
        auto* d = dst.ptr<cv::Vec3b>(y);
        const auto* s = patch.ptr<cv::Vec3b>(y);
        const auto* a = alpha.ptr<float>(y);
        for (int x = 0; x < area.width; ++x) {
            const float t = std::clamp(a[x], 0.f, 1.f);
            if (t <= 0.f)
                continue;
            for (int c = 0; c < 3; ++c)
                d[x][c] = cv::saturate_cast<uchar>(s[x][c] * t + d[x][c] * (1 - t));
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    }
    touched = x1 < 0 ? QRect() : QRect(area.x + x0, area.y + y0, x1 - x0 + 1, y1 - y0 + 1);
}

// Mean absolute BGR step between two equal patches over a mask.
double meanStep(const cv::Mat& a, const cv::Mat& b, const cv::Mat& mask)
{
    cv::Mat d;
    cv::absdiff(a, b, d);
    const cv::Scalar m = cv::mean(d, mask);
    return m[0] + m[1] + m[2];
}

// Grey-level spread over a mask: how grainy a patch is.
double grain(const cv::Mat& bgr, const cv::Mat& mask)
{
    cv::Mat grey;
    cv::cvtColor(bgr, grey, cv::COLOR_BGR2GRAY);
    cv::Scalar mean, deviation;
    cv::meanStdDev(grey, mean, deviation, mask);
    return deviation[0];
}

// Whether the thing's blurred halo runs on past what an edit writes (up to
// `write` pixels past its mask; a bokeh disc's rim, a drop's shadow): the
// ground just past the write is lighter or darker than the ground further
// out, and would stay as a ghost ring around the new ground.
bool haloRunsOn(const Thing& t, const cv::Mat& left, const cv::Rect& work, int write)
{
    cv::Mat grey;
    cv::cvtColor(left(work), grey, cv::COLOR_BGR2GRAY);
    const double near = cv::mean(grey, maskIn(t, work, write + 3) & ~maskIn(t, work, write))[0];
    const double far = cv::mean(grey, maskIn(t, work, write + 7) & ~maskIn(t, work, write + 5))[0];
    return std::abs(near - far) > kMaxHaloStep;
}

bool pasteMatching(const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right, bool bare, QRect& touched);

bool removeThing(const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right, QRect& touched)
{
    const cv::Rect work = grown(t.box, 14, left);
    const cv::Mat hole = maskIn(t, work, 2);
    const cv::Mat ring = maskIn(t, work, 7) & ~maskIn(t, work, 3);
    // A thing that runs on into more of something (the highlight of a
    // drop, the tip of a shadow) is a piece: taking it leaves half a thing.
    const cv::Mat rim = hole & ~maskIn(t, work, 0);
    if (cv::countNonZero(s.apart(work) & rim) > kMaxRimApart * cv::countNonZero(rim))
        return false;
    cv::Mat grey;
    cv::cvtColor(left(work), grey, cv::COLOR_BGR2GRAY);
    cv::Scalar mean, deviation;
    cv::meanStdDev(grey, mean, deviation, ring);
    // Fine grain (gravel, grass, foliage) is filled from grain: bare ground
    // of the photo nearby whose edge and grain match (exemplar filling).
    // Without one the thing stays: inpainting smears grain into a blurred
    // patch.
    cv::Mat smooth, fine;
    cv::GaussianBlur(grey, smooth, cv::Size(5, 5), 1.5);
    cv::absdiff(grey, smooth, fine);
    // Shift-map filling was tried here: in grass and gravel most of its
    // fills were too faint for a player to find, and on an edge it broke the
    // ground into blocks. So was frequency-selective inpainting where no
    // ground matches: on 37 photos, of 326 fills 274 came out a smudge or a
    // smear, 47 too faint to find, 3 crude; of the 2 kept one was a blade
    // cut short.
    if (cv::mean(fine, ring)[0] > kFineGrain)
        return pasteMatching(s, t, left, right, true, touched);
    cv::Mat filled;
    if (deviation[0] > kTexturedRing) {
        // Soft texture (blurred leaves, light): frequency-selective
        // reconstruction carries it across; Telea would smear it flat.
        cv::xphoto::inpaint(left(work), ~hole, filled, cv::xphoto::INPAINT_FSR_FAST);
    } else {
        // A flat ground: Telea carries it over smoothly.
        cv::inpaint(left(work), hole, filled, 3, cv::INPAINT_TELEA);
    }
    // A fill darker or lighter than the ground around (the thing's own
    // shading carried in from its rim) shows as a smudge where it stood.
    cv::Mat filledGrey;
    cv::cvtColor(filled, filledGrey, cv::COLOR_BGR2GRAY);
    if (std::abs(cv::mean(filledGrey, hole)[0] - mean[0]) > kMaxFillStep)
        return false;
    // A fill much smoother than the textured ground around it (soft
    // leaves, bokeh) shows as a smear where the thing stood.
    if (deviation[0] > kTexturedFill && grain(filled, hole) < kMinFillGrain * deviation[0])
        return false;
    blend(right, work, filled, softMask(maskIn(t, work, 0), 2), touched);
    return true;
}

// The place nearby whose ground best continues the thing's own in the band
// the soft edge blends over, with grain like the ground around; empty when
// none is close enough. A place with another thing in that band would leave
// half of it behind, a cut outline. `bare`: the place shows only ground
// under the thing's mask (to take the thing away); otherwise it shows
// something else there (to put another thing in its place).
cv::Rect matchingPlace(const Survey& s, const Thing& t, const cv::Mat& left, const cv::Rect& work, bool bare)
{
    const cv::Mat under = maskIn(t, work, 2);
    // A clone covers the thing's blurred rim (three pixels, fading over
    // two): the band it must match runs from there to past the fade, where
    // a halo of the thing left unmatched would ring the pasted ground like
    // a ghost, and where no other thing may be cut by the fade.
    const cv::Mat band = bare ? maskIn(t, work, 5) & ~maskIn(t, work, 1) : maskIn(t, work, 7) & ~maskIn(t, work, 3);
    const int bandPixels = cv::countNonZero(band);
    // Where a clone's write fades: a thing there in the source would be
    // pasted half in, cut.
    cv::Mat fade;
    if (!bare) {
        const cv::Mat alpha = softMask(maskIn(t, work, 0), 3, 2);
        fade = (alpha > 0.02f) & (alpha < 0.98f);
    }
    const double ringGrain = grain(left(work), maskIn(t, work, 6) & ~under);
    double best = 1e9;
    cv::Rect from;
    for (int dy = -kMaxShift; dy <= kMaxShift; dy += 2)
        for (int dx = -kMaxShift; dx <= kMaxShift; dx += 2) {
            if (std::max(std::abs(dx), std::abs(dy)) < kMinShift)
                continue;
            const cv::Rect src = work + cv::Point(dx, dy);
            if (!inside(src, left) || src.size() != work.size())
                continue;
            const cv::Mat apartThere = s.apart(src);
            if (cv::countNonZero(apartThere & band) > bandPixels / 10 || (bare && cv::countNonZero(apartThere & under)) ||
                (!bare && cv::countNonZero(apartThere & fade)))
                continue;
            // A patch smoother than the grain around shows as a smear; bare
            // ground with half the grain or less, plainly so.
            const double srcGrain = grain(left(src), under);
            if (bare && srcGrain < kMinFillGrain * 1.5 * ringGrain)
                continue;
            const double cost = meanStep(left(src), left(work), band) + std::max(0.0, ringGrain - srcGrain);

            if (cost >= best || (!bare && meanStep(left(src), left(work), under) < 40)) // would not show
                continue;
            best = cost, from = src;
        }
    return best > (bare ? kMaxBareCost : kMaxCloneCost) ? cv::Rect() : from;
}

// The matching place pasted over the thing (a clone, or with `bare` a
// removal); false when there is none.
bool pasteMatching(const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right, bool bare, QRect& touched)
{
    const cv::Rect work = grown(t.box, bare ? 6 : 10, left);
    if (!bare && haloRunsOn(t, left, work, 3))
        return false;
    const cv::Rect from = matchingPlace(s, t, left, work, bare);
    if (from.empty())
        return false;
    // Bare ground brought in on an edge between two grounds breaks the edge.
    if (bare && !onEvenGround(s, t, work))
        return false;
    // A clone written only two pixels past the mask blended the thing's own
    // rim half in, a ghost ring around the new ground.
    blend(right, work, left(from), bare ? softMask(maskIn(t, work, 0), 2) : softMask(maskIn(t, work, 0), 3, 2), touched);
    return true;
}

// The thing copied to a calm place nearby whose surroundings match its own,
// its light matched to the new place's.
bool copyThing(const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right, levelgen::Rng& rng, QRect& touched)
{
    const cv::Rect work = grown(t.box, 6, left);
    if (work.width != t.box.width + 12 || work.height != t.box.height + 12)
        return false;
    const cv::Mat body = maskIn(t, work, 1);
    const cv::Mat ring = maskIn(t, work, 6) & ~maskIn(t, work, 2);
    const cv::Scalar ringMean = cv::mean(left(work), ring);
    double best = 1e9;
    cv::Rect to;
    const int jitter = rng.between(0, 3);
    for (int dy = -kMaxShift + jitter; dy <= kMaxShift; dy += 4)
        for (int dx = -kMaxShift + jitter; dx <= kMaxShift; dx += 4) {
            if (std::max(std::abs(dx), std::abs(dy)) < kMinShift + 4)
                continue;
            const cv::Rect dst = work + cv::Point(dx, dy);
            if (!inside(dst, left) || cv::countNonZero(s.apart(dst)) > dst.area() / 12) // only onto calm ground
                continue;
            const double cost = meanStep(left(dst), left(work), ring) +
                                meanStep(left(dst), cv::Mat(work.size(), CV_8UC3, ringMean), body);
            if (cost < best)
                best = cost, to = dst;
        }
    if (to.empty() || best > kMaxCopyCost)
        return false;
    cv::Mat patch;
    left(work).convertTo(patch, CV_32FC3);
    patch += cv::mean(left(to), ring) - ringMean;
    patch.convertTo(patch, CV_8UC3);
    // With three pixels of its own ground: its outline stays off the border.
    blend(right, to, patch, softMask(maskIn(t, work, 0), 3), touched);
    return true;
}

// A square centred on the thing, large enough for it and `grow` pixels more.
cv::Rect centredOn(const Thing& t, double scale, int grow)
{
    const int half = int(std::ceil(std::max(t.box.width, t.box.height) * scale / 2)) + grow;
    const QPoint c = t.centre();
    return cv::Rect(c.x() - half, c.y() - half, 2 * half + 1, 2 * half + 1);
}

bool mirrorThing(const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right, QRect& touched)
{
    const cv::Rect work = centredOn(t, 1.0, 3);
    if ((work & cv::Rect(0, 0, left.cols, left.rows)) != work)
        return false;
    const cv::Mat m = maskIn(t, work, 1);
    cv::Mat best, bestMask;
    double most = -1;
    for (int axis : {1, 0}) { // across, then along
        cv::Mat flipped, flippedMask;
        cv::flip(left(work), flipped, axis);
        cv::flip(m, flippedMask, axis);
        const cv::Mat both = m | flippedMask;
        cv::Mat writes;
        cv::dilate(both, writes, cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(3, 3)));
        if (!aloneIn(s, t, work, writes))
            continue;
        const double step = meanStep(flipped, left(work), both);
        if (step > most)
            most = step, best = flipped, bestMask = both;
    }
    if (most < 30) // the thing looks the same either way
        return false;
    blend(right, work, best, softMask(bestMask, 1), touched);
    return true;
}

bool enlargeThing(const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right, levelgen::Rng& rng,
                  QRect& touched)
{
    const int side = std::max(t.box.width, t.box.height);
    const double scale = std::min(rng.range(1.35, 1.6), 16.0 / side);
    if (scale < 1.25)
        return false;
    const cv::Rect work = centredOn(t, scale, 3);
    if ((work & cv::Rect(0, 0, left.cols, left.rows)) != work)
        return false;
    const double c = work.width / 2;
    // Each pixel of the result looks at the point 1/scale as far from the middle.
    const cv::Matx23d toSource(1 / scale, 0, c - c / scale, 0, 1 / scale, c - c / scale);
    cv::Mat patch, mask;
    cv::warpAffine(left(work), patch, toSource, work.size(), cv::INTER_CUBIC | cv::WARP_INVERSE_MAP, cv::BORDER_REFLECT);
    cv::warpAffine(maskIn(t, work, 0), mask, toSource, work.size(), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP);
    mask = (mask > 100) | maskIn(t, work, 0);
    // What the source of the written pixels holds: the ground the enlarged
    // thing takes along must hold no other thing either.
    cv::Mat writes, source;
    cv::dilate(mask, writes, cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(7, 7)));
    cv::warpAffine(writes, source, toSource, work.size(), cv::INTER_NEAREST);
    if (!aloneIn(s, t, work, writes | source))
        return false;
    // Two pixels of the enlarged ground around it, fading over two more, so
    // the new outline does not sit on the border and the border draws none.
    blend(right, work, patch, softMask(mask, 3, 2), touched);
    return true;
}

// The Lab picture with its a*b* turned by `turn` radians and its chroma
// scaled by `scale`, each pixel as far as `alpha` (0..1) says: a soft edge
// turns part of the way, keeping its chroma, where mixing the two colours
// would pass through grey and draw a dull rim. Pixels too grey to have a
// hue keep their colour, so grey is never coloured.
cv::Mat turnedHue(const cv::Mat& lab, double turn, double scale, const cv::Mat& alpha)
{
    cv::Mat out = lab.clone();
    for (int y = 0; y < out.rows; ++y)
        for (int x = 0; x < out.cols; ++x) {
            const double t = std::clamp(double(alpha.at<float>(y, x)), 0.0, 1.0);
            if (t <= 0)
                continue;
            auto& p = out.at<cv::Vec3f>(y, x);
            const double w = std::clamp((std::hypot(double(p[1]), double(p[2])) - 3) / 6, 0.0, 1.0) * t;
            const double k = std::pow(scale, w), cs = std::cos(turn * w) * k, sn = std::sin(turn * w) * k;
            const double a = p[1] * cs - p[2] * sn, b = p[1] * sn + p[2] * cs;
            p[1] = float(a);
            p[2] = float(b);
        }
    cv::cvtColor(out, out, cv::COLOR_Lab2BGR);
    out.convertTo(out, CV_8UC3, 255);
    return out;
}

// The segment with the pixels of its rim (up to three pixels out) that
// still have its hue, however faintly: the segmentation leaves the blended
// edge out, and an edge left in the old colour rings the new one.
cv::Mat ownRim(const cv::Mat& lab, const cv::Mat& seg, double hue)
{
    cv::Mat out;
    cv::dilate(seg, out, cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(7, 7)));
    for (int y = 0; y < out.rows; ++y)
        for (int x = 0; x < out.cols; ++x) {
            if (!out.at<uchar>(y, x) || seg.at<uchar>(y, x))
                continue;
            const cv::Vec3f p = lab.at<cv::Vec3f>(y, x);
            const double angle = std::atan2(p[2], p[1]) * 180 / M_PI;
            if (std::hypot(p[1], p[2]) < 5 || std::abs(std::remainder(angle - hue, 360.0)) > 40)
                out.at<uchar>(y, x) = 0;
        }
    return out;
}

// Whether enough of the mask changes visibly for every player, colour-blind
// ones too: a hue turn keeps lightness, so some turns vanish for them.
bool seenByAll(const cv::Mat& before, const cv::Mat& after, const cv::Mat& mask)
{
    int plain = 0, protan = 0, deutan = 0;
    for (int y = 0; y < mask.rows; ++y)
        for (int x = 0; x < mask.cols; ++x) {
            if (!mask.at<uchar>(y, x))
                continue;
            const cv::Vec3b p = before.at<cv::Vec3b>(y, x), q = after.at<cv::Vec3b>(y, x);
            const QRgb from = qRgb(p[2], p[1], p[0]), to = qRgb(q[2], q[1], q[0]);
            plain += levelgen::channelSum(from, to) > levelgen::kVisibleSum;
            protan += levelgen::channelSum(levelgen::simulate(from, levelgen::Vision::Protan),
                                           levelgen::simulate(to, levelgen::Vision::Protan)) > levelgen::kVisibleSum;
            deutan += levelgen::channelSum(levelgen::simulate(from, levelgen::Vision::Deutan),
                                           levelgen::simulate(to, levelgen::Vision::Deutan)) > levelgen::kVisibleSum;
        }
    const int enough = levelgen::kMinColourBlind;
    return plain >= enough && protan >= enough && deutan >= enough;
}

// The segment's a*b* turned towards another hue the photo has; lightness,
// and so texture, stay. Only hues that every player can see change, and that
// leave the segment standing apart from its ring no more than it did.
bool recolourSegment(const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right, levelgen::Rng& rng,
                     QRect& touched)
{
    const cv::Rect work = grown(t.box, 5, left);
    cv::Mat lab;
    left(work).convertTo(lab, CV_32FC3, 1.0 / 255);
    cv::cvtColor(lab, lab, cv::COLOR_BGR2Lab);
    const cv::Mat seg = maskIn(t, work, 0);
    const cv::Mat ring = maskIn(t, work, 3) & ~maskIn(t, work, 1);
    const cv::Scalar m = cv::mean(lab, seg), around = cv::mean(lab, ring);
    const double hue = std::atan2(m[2], m[1]) * 180 / M_PI;
    const double apart = std::hypot(m[1] - around[1], m[2] - around[2]);
    const double chroma = std::hypot(m[1], m[2]);
    // Turned to the hue, and as colourful as the photo's things of that hue
    // are (within reason), so a leaf takes the colour of the photo's other leaves.
    struct Target {
        double turn, scale;
    };
    std::vector<Target> targets;
    for (const Hue& h : s.hues) {
        const double turn = std::remainder(h.angle - hue, 360.0), r = turn * M_PI / 180;
        const double scale = std::clamp(h.chroma / chroma, 0.8, 1.5);
        const double a = scale * (m[1] * std::cos(r) - m[2] * std::sin(r));
        const double b = scale * (m[1] * std::sin(r) + m[2] * std::cos(r));
        // The photo has that hue at about this lightness: a yellow highlight
        // turned red reads as pink, a colour the photo never shows.
        if (std::abs(turn) >= 40 && std::hypot(a - around[1], b - around[2]) < apart + kRecolourApart &&
            std::abs(h.lightness - m[0]) <= kHueLightness)
            targets.push_back(Target{turn * M_PI / 180, scale});
    }
    rng.shuffle(targets);
    for (const Target& target : targets) {
        const cv::Mat alpha = softMask(ownRim(lab, seg, hue), 1);
        const cv::Mat bgr = turnedHue(lab, target.turn, target.scale, alpha);
        if (!seenByAll(left(work), bgr, seg))
            continue;
        // The turn is already as soft as the mask: written wherever it reaches.
        cv::Mat reach;
        cv::threshold(alpha, reach, 0, 1, cv::THRESH_BINARY);
        blend(right, work, bgr, reach, touched);
        return true;
    }
    return false;
}
} // namespace

bool applyEdit(EditKind kind, const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right,
               levelgen::Rng& rng, QRect& touched)
{
    touched = QRect();
    switch (kind) {
    case EditKind::Remove: return removeThing(s, t, left, right, touched);
    case EditKind::Recolour: return recolourSegment(s, t, left, right, rng, touched);
    case EditKind::Clone: return pasteMatching(s, t, left, right, false, touched);
    case EditKind::Mirror: return mirrorThing(s, t, left, right, touched);
    case EditKind::Enlarge: return enlargeThing(s, t, left, right, rng, touched);
    case EditKind::Object: return copyThing(s, t, left, right, rng, touched);
    }
    return false;
}

} // namespace editor
