#include "editor/automaker.h"

#include "editor/change.h"
#include "editor/maskedit.h"
#include "tools/levelgen/rules.h"
#include "tools/levelgen/rng.h"

#include <opencv2/imgproc.hpp>
#include <algorithm>
#include <cmath>

namespace editor {

namespace {
constexpr int kMargin = 12; // a spot's square and edit box stay on the picture

// Where a photo has detail worth changing: local gradient strength.
class SpotPicker {
public:
    explicit SpotPicker(const cv::Mat& left)
    {
        cv::Mat gray, gx, gy, mag;
        cv::cvtColor(left, gray, cv::COLOR_BGR2GRAY);
        cv::Sobel(gray, gx, CV_32F, 1, 0);
        cv::Sobel(gray, gy, CV_32F, 0, 1);
        cv::magnitude(gx, gy, mag);
        cv::boxFilter(mag, mag, -1, cv::Size(kEditSide, kEditSide));
        double total = 0;
        for (int y = kMargin; y < left.rows - kMargin; y += 2)
            for (int x = kMargin; x < left.cols - kMargin; x += 2) {
                // Some weight everywhere, so a calm photo still takes differences.
                total += std::pow(double(mag.at<float>(y, x)), 2.0) + 400.0;
                spots_.push_back({x, y});
                cumulative_.push_back(total);
            }
    }
    QPoint pick(levelgen::Rng& rng) const
    {
        const double r = rng.real() * cumulative_.back();
        const auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), r);
        return spots_[size_t(std::min<std::ptrdiff_t>(it - cumulative_.begin(), std::ptrdiff_t(spots_.size()) - 1))];
    }

private:
    std::vector<QPoint> spots_;
    std::vector<double> cumulative_;
};

} // namespace

bool clearOfOthers(const Draft& d, QPoint point, const QRect& touched, int skip)
{
    for (size_t k = 0; k < d.diffs.size(); ++k) {
        if (int(k) == skip)
            continue;
        const Difference& o = d.diffs[k];
        if (levelgen::squaresOverlap(o.point, point) || touched.intersects(clickSquare(o.point)) ||
            o.touched.intersects(clickSquare(point)))
            return false;
    }
    return true;
}

bool judgeChange(const Draft& d, const QRect& box, int skip, Difference& out, QString* why)
{
    const levelgen::DiffCheck c = measure(d.left, d.right, box).check;
    // Dark spots reach dE 12 with small RGB steps; asking as many pixels of
    // visible change too keeps every made difference plain to see.
    if (!c.seen() || c.visible < levelgen::kMinNoticeable) {
        *why = QString::fromUtf8("a változás itt alig látszana");
        return false;
    }
    if (!c.seenColourBlind()) {
        *why = QString::fromUtf8("a változást egy színtévesztő játékos nem látná");
        return false;
    }
    const QPoint point = c.point;
    if (!levelgen::squareOnPicture(point) || !c.clickable() || !c.centred() || !clearOfOthers(d, point, box, skip)) {
        *why = QString::fromUtf8("a változás nem férne a kattintási négyzetbe");
        return false;
    }
    out = Difference{};
    out.point = point;
    out.changed = c.visible;
    out.area = c.visibleBox;
    out.touched = box;
    return true;
}

namespace {

// Applies the edit and keeps it when it shows, fits its square and keeps
// clear of the other differences; otherwise puts the pixels back.
bool tryEdit(Draft& d, EditKind kind, QPoint spot, levelgen::Rng& rng, int skip, Difference& out, QString* why)
{
    const QRect box = editBox(spot);
    if (!QRect(0, 0, d.right.cols, d.right.rows).contains(box)) {
        *why = QString::fromUtf8("a kép szélén nincs hely");
        return false;
    }
    if (!clearOfOthers(d, spot, box, skip)) {
        *why = QString::fromUtf8("túl közel van egy másik különbséghez");
        return false;
    }
    const cv::Rect cbox(box.x(), box.y(), box.width(), box.height());
    const cv::Mat before = d.right(cbox).clone();
    auto undo = [&] { before.copyTo(d.right(cbox)); };
    if (!applyEdit(kind, d.left, d.right, spot, rng)) {
        *why = QString::fromUtf8("itt nincs mit megváltoztatni");
        return false;
    }
    if (!judgeChange(d, box, skip, out, why)) {
        undo();
        return false;
    }
    out.kind = QString::fromLatin1(editName(kind));
    return true;
}

bool placeOne(Draft& d, const SpotPicker& picker, levelgen::Rng& rng, int skip, Difference& out)
{
    // Kinds take turns so a level mixes them; a spot that suits none is dropped.
    std::vector<int> kinds(kEditKinds);
    for (int i = 0; i < kEditKinds; ++i)
        kinds[size_t(i)] = i;
    QString why;
    for (int attempt = 0; attempt < 300; ++attempt) {
        const QPoint spot = picker.pick(rng);
        rng.shuffle(kinds);
        for (int i = 0; i < 3; ++i)
            if (tryEdit(d, EditKind(kinds[size_t(i)]), spot, rng, skip, out, &why))
                return true;
    }
    return false;
}
} // namespace

bool makeDifferences(Draft& d, int count, std::uint64_t seed, QString* error)
{
    d.left.copyTo(d.right);
    d.diffs.clear();
    if (count < 1 || count > 25) {
        *error = QString::fromUtf8("a különbségek száma 1 és 25 között lehet (%1)").arg(count);
        return false;
    }
    const SpotPicker picker(d.left);
    levelgen::Rng rng(seed);
    for (int k = 0; k < count; ++k) {
        Difference diff;
        if (!placeOne(d, picker, rng, -1, diff)) {
            d.left.copyTo(d.right);
            d.diffs.clear();
            *error = QString::fromUtf8("ezen a képen nem fér el %1 jól látható különbség").arg(count);
            return false;
        }
        d.diffs.push_back(diff);
    }
    d.marker = autoMarker(d);
    return true;
}

void removeDifference(Draft& d, int index)
{
    if (index < 0 || index >= int(d.diffs.size()))
        return;
    const QRect t = d.diffs[size_t(index)].touched & QRect(0, 0, d.left.cols, d.left.rows);
    const cv::Rect r(t.x(), t.y(), t.width(), t.height());
    d.left(r).copyTo(d.right(r));
    d.diffs.erase(d.diffs.begin() + index);
}

bool rerollDifference(Draft& d, int index, std::uint64_t seed, QString* error)
{
    const bool replacing = index >= 0 && index < int(d.diffs.size());
    if (replacing && !d.diffs[size_t(index)].mask.empty()) // a painted one keeps its mask and kind
        return rerollMasked(d, index, seed, error);
    Draft trial = d;
    trial.right = d.right.clone();
    if (replacing) {
        // The old spot is taken out of the running by keeping it while the new one is placed.
        const Difference old = trial.diffs[size_t(index)];
        removeDifference(trial, index);
        trial.diffs.insert(trial.diffs.begin() + index, old);
    } else if (d.diffs.size() >= 25) {
        *error = QString::fromUtf8("már 25 különbség van");
        return false;
    }
    levelgen::Rng rng(seed);
    Difference diff;
    if (!placeOne(trial, SpotPicker(trial.left), rng, -1, diff)) {
        *error = QString::fromUtf8("nem találtam helyet egy újabb különbségnek");
        return false;
    }
    if (replacing)
        trial.diffs[size_t(index)] = diff;
    else
        trial.diffs.push_back(diff);
    d = trial;
    return true;
}

bool addDifferenceAt(Draft& d, QPoint spot, EditKind kind, std::uint64_t seed, QString* error)
{
    if (d.diffs.size() >= 25) {
        *error = QString::fromUtf8("már 25 különbség van");
        return false;
    }
    levelgen::Rng rng(seed);
    Difference diff;
    QString why;
    for (int attempt = 0; attempt < 8; ++attempt) // an edit with a random part may show on a second try
        if (tryEdit(d, kind, spot, rng, -1, diff, &why)) {
            d.diffs.push_back(diff);
            return true;
        }
    *error = why;
    return false;
}

} // namespace editor
