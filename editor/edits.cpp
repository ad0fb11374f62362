#include "editor/edits.h"

#include "editor/objects.h"
#include "tools/levelgen/rng.h"

#include <QImage>
#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>
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

QRect editBox(QPoint spot) { return QRect(spot.x() - kEditSide / 2, spot.y() - kEditSide / 2, kEditSide, kEditSide); }

namespace {
// A soft-edged ellipse filling the box, zero on its border pixels.
// The same for every edit (hundreds a level): drawn once, handed out as a
// copy the edit may change.
cv::Mat ellipseAlpha()
{
    static const cv::Mat drawn = [] {
        cv::Mat e(kEditSide, kEditSide, CV_32F, cv::Scalar(0));
        cv::ellipse(e, cv::Point(kEditSide / 2, kEditSide / 2), cv::Size(kEditSide / 2 - 2, kEditSide / 2 - 2), 0, 0,
                    360, cv::Scalar(1), cv::FILLED, cv::LINE_AA);
        cv::GaussianBlur(e, e, cv::Size(3, 3), 0.8);
        return e;
    }();
    return drawn.clone();
}

// right(box) = patch * alpha + right(box) * (1 - alpha).
void blend(cv::Mat& right, const cv::Rect& box, const cv::Mat& patch, const cv::Mat& alpha)
{
    cv::Mat dst = right(box);
    for (int y = 0; y < box.height; ++y) {
        auto* d = dst.ptr<cv::Vec3b>(y);
        const auto* s = patch.ptr<cv::Vec3b>(y);
        const auto* a = alpha.ptr<float>(y);
        for (int x = 0; x < box.width; ++x) {
            const float t = std::clamp(a[x], 0.f, 1.f);
            for (int c = 0; c < 3; ++c)
                d[x][c] = cv::saturate_cast<uchar>(s[x][c] * t + d[x][c] * (1 - t));
        }
    }
}

// How differently two patches are drawn, their overall colour aside (seamless
// cloning takes the colour from the surroundings anyway).
double structureDiff(const cv::Mat& a, const cv::Mat& b)
{
    cv::Mat fa, fb;
    a.convertTo(fa, CV_32F);
    b.convertTo(fb, CV_32F);
    fa -= cv::mean(fa);
    fb -= cv::mean(fb);
    return cv::norm(fa, fb, cv::NORM_L1);
}

cv::Rect around(const cv::Mat& pic, QPoint spot, int margin)
{
    const cv::Rect r(spot.x() - kEditSide / 2 - margin, spot.y() - kEditSide / 2 - margin, kEditSide + 2 * margin,
                     kEditSide + 2 * margin);
    return r & cv::Rect(0, 0, pic.cols, pic.rows);
}

bool removeDetail(const cv::Mat& right, cv::Mat& patch, cv::Mat& alpha, const cv::Rect& box)
{
    // Detail is what stands out from its smoothed surroundings.
    const cv::Rect work = around(right, QPoint(box.x + kEditSide / 2, box.y + kEditSide / 2), 16);
    cv::Mat gray, smooth, diff, edges;
    cv::cvtColor(right(work), gray, cv::COLOR_BGR2GRAY);
    cv::blur(gray, smooth, cv::Size(11, 11));
    cv::absdiff(gray, smooth, diff);
    cv::Canny(gray, edges, 60, 160);
    cv::Mat detail = (diff > 14) | edges;
    cv::dilate(detail, detail, cv::Mat(), cv::Point(-1, -1), 1);
    cv::Mat mask(work.size(), CV_8U, cv::Scalar(0));
    const cv::Rect inner(box.x - work.x + 2, box.y - work.y + 2, kEditSide - 4, kEditSide - 4);
    detail(inner).copyTo(mask(inner));
    if (cv::countNonZero(mask) < 30)
        return false;
    cv::Mat filled;
    cv::inpaint(right(work), mask, filled, 5, cv::INPAINT_TELEA);
    const cv::Rect local(box.x - work.x, box.y - work.y, kEditSide, kEditSide);
    patch = filled(local).clone();
    cv::Mat m;
    mask(local).convertTo(m, CV_32F, 1.0 / 255);
    cv::GaussianBlur(m, alpha, cv::Size(3, 3), 0.7);
    cv::max(alpha, m, alpha);
    return true;
}

bool recolour(const cv::Mat& right, cv::Mat& patch, cv::Mat& alpha, const cv::Rect& box, levelgen::Rng& rng)
{
    // The region of like colour around the middle, as a fill that stops at edges.
    cv::Mat src = right(box).clone();
    cv::Mat mask(kEditSide + 2, kEditSide + 2, CV_8U, cv::Scalar(0));
    cv::rectangle(mask, cv::Rect(0, 0, kEditSide + 2, kEditSide + 2), cv::Scalar(1), 2); // keeps the fill off the border
    cv::floodFill(src, mask, cv::Point(kEditSide / 2, kEditSide / 2), cv::Scalar(), nullptr, cv::Scalar(18, 18, 18),
                  cv::Scalar(18, 18, 18), 4 | cv::FLOODFILL_MASK_ONLY | (255 << 8));
    cv::Mat region = mask(cv::Rect(1, 1, kEditSide, kEditSide)) == 255;
    cv::Mat m;
    if (cv::countNonZero(region) < 50)
        m = ellipseAlpha();
    else {
        region.convertTo(m, CV_32F, 1.0 / 255);
        cv::GaussianBlur(m, m, cv::Size(3, 3), 0.6);
        cv::Mat inside;
        cv::Mat(ellipseAlpha() > 0.01).convertTo(inside, CV_32F, 1.0 / 255);
        m = m.mul(inside);
    }
    alpha = m;
    cv::Mat hsv;
    cv::cvtColor(src, hsv, cv::COLOR_BGR2HSV);
    const int hueStep = rng.between(40, 140); // of OpenCV's 180
    const bool shadeOnly = rng.chance(0.3);
    const bool darker = rng.chance(0.5);
    for (int y = 0; y < hsv.rows; ++y)
        for (int x = 0; x < hsv.cols; ++x) {
            auto& v = hsv.at<cv::Vec3b>(y, x);
            if (shadeOnly || v[1] < 50) {
                // Grey things change shade; they gain a little colour too, so the change shows.
                v[2] = cv::saturate_cast<uchar>(darker ? v[2] * 0.55 : v[2] * 1.35 + 45);
                if (!shadeOnly)
                    v[1] = cv::saturate_cast<uchar>(v[1] + 90), v[0] = uchar((v[0] + hueStep) % 180);
            } else {
                v[0] = uchar((v[0] + hueStep) % 180);
                v[1] = cv::saturate_cast<uchar>(v[1] * 1.2 + 20);
            }
        }
    cv::cvtColor(hsv, patch, cv::COLOR_HSV2BGR);
    return true;
}

bool cloneNearby(const cv::Mat& left, const cv::Mat& right, cv::Mat& patch, cv::Mat& alpha, const cv::Rect& box,
                 levelgen::Rng& rng)
{
    // Of a few places nearby, the one that looks least like the spot: cloning
    // more of the same would not show.
    const int m = 4;
    cv::Rect srcRect;
    double bestDiff = -1;
    for (int i = 0; i < 6; ++i) {
        const double angle = rng.range(0, 2 * M_PI), dist = rng.range(22, 48);
        const cv::Point from(box.x + int(std::lround(std::cos(angle) * dist)), box.y + int(std::lround(std::sin(angle) * dist)));
        const cv::Rect r(from.x - m, from.y - m, kEditSide + 2 * m, kEditSide + 2 * m);
        if ((r & cv::Rect(0, 0, left.cols, left.rows)) != r)
            continue;
        const double diff = structureDiff(left(cv::Rect(from.x, from.y, kEditSide, kEditSide)), right(box));
        if (diff > bestDiff)
            bestDiff = diff, srcRect = r;
    }
    if (bestDiff < 0)
        return false;
    const cv::Rect work = around(right, QPoint(box.x + kEditSide / 2, box.y + kEditSide / 2), 24);
    const cv::Point centre(box.x - work.x + kEditSide / 2, box.y - work.y + kEditSide / 2);
    cv::Mat srcMask(srcRect.size(), CV_8U, cv::Scalar(0));
    cv::ellipse(srcMask, cv::Point(srcRect.width / 2, srcRect.height / 2), cv::Size(kEditSide / 2 - 1, kEditSide / 2 - 1),
                0, 0, 360, cv::Scalar(255), cv::FILLED);
    if (centre.x - srcRect.width / 2 < 1 || centre.y - srcRect.height / 2 < 1 ||
        centre.x + srcRect.width / 2 >= work.width - 1 || centre.y + srcRect.height / 2 >= work.height - 1)
        return false;
    cv::Mat out;
    try {
        cv::seamlessClone(left(srcRect), right(work), srcMask, centre, out, cv::NORMAL_CLONE);
    } catch (const cv::Exception&) {
        return false;
    }
    patch = out(cv::Rect(box.x - work.x, box.y - work.y, kEditSide, kEditSide)).clone();
    // On a patch this small the Poisson blend often takes back nearly all of
    // the source; then the source is copied with its colour matched to the
    // spot's instead, which still shows its shapes.
    if (cv::norm(patch, right(box), cv::NORM_L1) < 0.25 * bestDiff) {
        cv::Mat src;
        left(cv::Rect(srcRect.x + m, srcRect.y + m, kEditSide, kEditSide)).convertTo(src, CV_32F);
        src += cv::mean(right(box)) - cv::mean(src);
        src.convertTo(patch, CV_8U);
    }
    alpha = ellipseAlpha();
    return true;
}

bool mirrorPatch(const cv::Mat& right, cv::Mat& patch, cv::Mat& alpha, const cv::Rect& box, levelgen::Rng& rng)
{
    // Across the axis that changes most: a flip along an edge would not show.
    cv::Mat across, along;
    cv::flip(right(box), across, 1);
    cv::flip(right(box), along, 0);
    const double a = cv::norm(across, right(box), cv::NORM_L1), b = cv::norm(along, right(box), cv::NORM_L1);
    patch = (a >= b) == rng.chance(0.9) ? across : along;
    alpha = ellipseAlpha();
    return true;
}

bool enlargePatch(const cv::Mat& right, cv::Mat& patch, cv::Mat& alpha, const cv::Rect& box, levelgen::Rng& rng)
{
    // Enlarged about a point beside the spot's detail: about a point on an
    // edge, the edge would stay where it was.
    const int side = rng.chance(0.5) ? 8 : 9;
    double best = -1;
    for (int dy = -3; dy <= 3; dy += 3)
        for (int dx = -3; dx <= 3; dx += 3) {
            const cv::Rect core(box.x + (kEditSide - side) / 2 + dx, box.y + (kEditSide - side) / 2 + dy, side, side);
            if ((core & cv::Rect(0, 0, right.cols, right.rows)) != core)
                continue;
            cv::Mat grown;
            cv::resize(right(core), grown, cv::Size(kEditSide, kEditSide), 0, 0, cv::INTER_CUBIC);
            const double diff = cv::norm(grown, right(box), cv::NORM_L1);
            if (diff > best)
                best = diff, patch = grown;
        }
    alpha = ellipseAlpha();
    return best >= 0;
}

bool addObject(const cv::Mat& right, cv::Mat& patch, cv::Mat& alpha, const cv::Rect& box, levelgen::Rng& rng)
{
    // A colour that stands out from the spot, lit as brightly as the spot.
    const cv::Scalar mean = cv::mean(right(box));
    const QColor local{int(mean[2]), int(mean[1]), int(mean[0])};
    const int hue = (std::max(0, local.hsvHue()) + 180 + rng.between(-40, 40) + 360) % 360;
    const int value = std::clamp(local.value() < 110 ? 230 : 150, 0, 255);
    const QColor colour = QColor::fromHsv(hue, rng.between(170, 230), value);
    // Things that fly over sky-like spots; things that grow or lie elsewhere.
    const bool skyLike = local.blue() >= local.red() && local.value() > 150 && local.hsvSaturationF() < 0.6;
    const SmallObject flying[] = {SmallObject::Bird, SmallObject::Butterfly};
    const SmallObject standing[] = {SmallObject::Flower, SmallObject::Fruit, SmallObject::Butterfly, SmallObject::Ladybird,
                                    SmallObject::Button};
    const auto kind = skyLike ? flying[rng.between(0, 1)] : standing[rng.between(0, 4)];
    // A ladybird keeps a ladybird's shell: red, or yellow on a reddish spot.
    const int localHue = std::max(0, local.hsvHue());
    const bool reddish = local.hsvSaturation() > 60 && (localHue < 40 || localHue > 320);
    const QColor shell = QColor::fromHsv(reddish ? rng.between(48, 56) : rng.between(0, 10), 225, 215);
    const QImage obj = paintSmallObject(kind, kEditSide - 2, kind == SmallObject::Ladybird ? shell : colour, rng.seed());
    const double light = std::clamp(0.75 + local.valueF() * 0.35, 0.75, 1.1);
    patch = right(box).clone();
    alpha = cv::Mat(kEditSide, kEditSide, CV_32F, cv::Scalar(0));
    for (int y = 0; y < obj.height(); ++y)
        for (int x = 0; x < obj.width(); ++x) {
            const QRgb px = obj.pixel(x, y); // unpremultiplied
            const int a = qAlpha(px);
            if (!a)
                continue;
            auto& d = patch.at<cv::Vec3b>(y + 1, x + 1);
            d = cv::Vec3b(cv::saturate_cast<uchar>(qBlue(px) * light), cv::saturate_cast<uchar>(qGreen(px) * light),
                          cv::saturate_cast<uchar>(qRed(px) * light));
            alpha.at<float>(y + 1, x + 1) = a / 255.f;
        }
    return true;
}
} // namespace

bool applyEdit(EditKind kind, const cv::Mat& left, cv::Mat& right, QPoint spot, levelgen::Rng& rng)
{
    const QRect qbox = editBox(spot);
    const cv::Rect box(qbox.x(), qbox.y(), qbox.width(), qbox.height());
    if ((box & cv::Rect(0, 0, right.cols, right.rows)) != box)
        return false;
    cv::Mat patch, alpha;
    bool ok = false;
    switch (kind) {
    case EditKind::Remove: ok = removeDetail(right, patch, alpha, box); break;
    case EditKind::Recolour: ok = recolour(right, patch, alpha, box, rng); break;
    case EditKind::Clone: ok = cloneNearby(left, right, patch, alpha, box, rng); break;
    case EditKind::Mirror: ok = mirrorPatch(right, patch, alpha, box, rng); break;
    case EditKind::Enlarge: ok = enlargePatch(right, patch, alpha, box, rng); break;
    case EditKind::Object: ok = addObject(right, patch, alpha, box, rng); break;
    }
    if (!ok)
        return false;
    blend(right, box, patch, alpha);
    return true;
}

} // namespace editor
