#include "editor/automaker.h"

#include "editor/change.h"
#include "editor/cvimage.h"
#include "editor/maskedit.h"
#include "editor/things.h"
#include "tools/levelgen/rules.h"
#include "tools/levelgen/rng.h"

#include <opencv2/imgproc.hpp>
#include <algorithm>
#include <array>
#include <cmath>

namespace editor {

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

bool judgeChange(const Draft& d, const QRect& box, int skip, Difference& out, QString* why, bool grown)
{
    const levelgen::DiffCheck c = measure(d.left, d.right, box).check;
    // Dark spots reach dE 12 with small RGB steps; asking as many pixels of
    // visible change too keeps every made difference plain to see.
    if (!c.seen() || c.visible < levelgen::kMinNoticeable) {
        *why = QString::fromUtf8("a változás itt alig látszana");
        return false;
    }
    // Enough pixels over the threshold is not yet a thing a player finds:
    // grain swapped for grain, a dim blob taken out of the dark pass it.
    if (!findability(d.left, d.right, box).findable(grown)) {
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

levelgen::NaturalCheck naturalChange(const Draft& d, const QRect& touched)
{
    const QRect area = touched.adjusted(-6, -6, 6, 6) & QRect(0, 0, d.left.cols, d.left.rows);
    return levelgen::checkNatural(toImage(d.left(toRect(area))), toImage(d.right(toRect(area))));
}

std::uint64_t mixSeed(std::uint64_t seed)
{
    // Seeds next to each other must not give streams that are one draw apart.
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

constexpr int kMaxCloneCuts = 2;
constexpr int kEnlargeDraws = 3; // scales an enlargement draws before the thing is given up

// Applies the edit to the thing and keeps it when it shows, fits its square,
// keeps clear of the other differences and looks natural; otherwise puts
// the pixels back.
bool tryEdit(Draft& d, const Survey& s, const Thing& t, EditKind kind, levelgen::Rng& rng, int skip, Difference& out,
             QString* why)
{
    if (kind != EditKind::Object && !clearOfOthers(d, t.centre(), QRect(), skip)) { // a copy goes elsewhere
        *why = QString::fromUtf8("túl közel van egy másik különbséghez");
        return false;
    }
    const cv::Mat before = d.right.clone();
    QRect touched;
    if (!applyEdit(kind, s, t, d.left, d.right, rng, touched) || touched.isEmpty()) {
        *why = QString::fromUtf8("itt nincs mit megváltoztatni");
        before.copyTo(d.right);
        return false;
    }
    auto undo = [&] { before(toRect(touched)).copyTo(d.right(toRect(touched))); };
    const bool grown = kind == EditKind::Enlarge;
    if (!judgeChange(d, touched, skip, out, why, grown)) {
        undo();
        return false;
    }
    // The soft edge's faint tail may reach past the square's margin, where
    // the level allows no changed pixel at all: the photo's own pixels go
    // back there (what shows already lies within).
    const QRect allowed =
        clickSquare(out.point).adjusted(-levelgen::kMaxSpill, -levelgen::kMaxSpill, levelgen::kMaxSpill, levelgen::kMaxSpill);
    for (int y = touched.top(); y <= touched.bottom(); ++y)
        for (int x = touched.left(); x <= touched.right(); ++x)
            if (!allowed.contains(x, y))
                d.right.at<cv::Vec3b>(y, x) = before.at<cv::Vec3b>(y, x);
    touched &= allowed;
    out.touched = touched;
    if (!findability(d.left, d.right, touched).findable(grown)) { // what the margin took back may have been what showed
        *why = QString::fromUtf8("a változás itt alig látszana");
        undo();
        return false;
    }
    const levelgen::NaturalCheck natural = naturalChange(d, touched);
    // A clone brings in ground from elsewhere: an outline it brings along
    // that stops at its border is a cut piece (a stub of a blade), even
    // where one alone passes the rule.
    if (!natural.natural() || (kind == EditKind::Clone && natural.cuts >= kMaxCloneCuts)) {
        *why = QString::fromUtf8("a változás nem illene a fényképbe");
        undo();
        return false;
    }
    out.kind = QString::fromLatin1(editName(kind));
    return true;
}

// Things and segments in the order a seed tries them: the more salient
// first on the whole, but each seed its own order, so two seeds choose
// mostly different things.
struct Candidate {
    const Thing* thing;
    bool segment;
};
std::vector<Candidate> candidateOrder(const Survey& s, levelgen::Rng& rng)
{
    std::vector<std::pair<double, Candidate>> keyed;
    auto add = [&](const std::vector<Thing>& list, bool segment) {
        for (size_t i = 0; i < list.size(); ++i) {
            const double weight = 1.0 / (1.0 + 0.02 * double(i)); // rank, gently
            keyed.push_back({std::pow(std::max(rng.real(), 1e-12), 1.0 / weight), Candidate{&list[i], segment}});
        }
    };
    add(s.things, false);
    add(s.segments, true);
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Candidate> out;
    for (const auto& k : keyed)
        out.push_back(k.second);
    return out;
}

// Places up to `count` differences; returns how many. Kinds take turns, the
// least used first, so a level mixes them.
int place(Draft& d, const Survey& s, int count, levelgen::Rng& rng, int skip, std::vector<Difference>& made)
{
    std::array<int, kEditKinds> used{};
    for (const Difference& x : d.diffs) {
        EditKind k;
        if (editFromName(x.kind, k))
            ++used[size_t(k)];
    }
    QString why;
    for (const Candidate& c : candidateOrder(s, rng)) {
        if (int(made.size()) >= count)
            break;
        if (!clearOfOthers(d, c.thing->centre(), QRect(), skip))
            continue;
        std::vector<int> kinds;
        for (int k = 0; k < kEditKinds; ++k)
            if (onSegments(EditKind(k)) == c.segment && madeAutomatically(EditKind(k)))
                kinds.push_back(k);
        rng.shuffle(kinds);
        std::stable_sort(kinds.begin(), kinds.end(), [&](int a, int b) { return used[size_t(a)] < used[size_t(b)]; });
        bool placed = false;
        for (int k : kinds) {
            // An enlargement draws its scale: another draw may fit the
            // square or show where the first did not.
            for (int attempt = 0; attempt < (EditKind(k) == EditKind::Enlarge ? kEnlargeDraws : 1) && !placed; ++attempt) {
                Difference diff;
                if (tryEdit(d, s, *c.thing, EditKind(k), rng, skip, diff, &why)) {
                    ++used[size_t(k)];
                    made.push_back(diff);
                    d.diffs.push_back(diff);
                    placed = true;
                }
            }
            if (placed)
                break;
        }
    }
    for (size_t i = 0; i < made.size(); ++i)
        d.diffs.pop_back();
    return int(made.size());
}
} // namespace

int makeDifferences(Draft& d, int count, std::uint64_t seed, QString* why)
{
    d.left.copyTo(d.right);
    d.diffs.clear();
    if (count < 1 || count > 25) {
        *why = QString::fromUtf8("a különbségek száma 1 és 25 között lehet (%1)").arg(count);
        return -1;
    }
    const Survey s = surveyPhoto(d.left);
    levelgen::Rng rng(mixSeed(seed));
    std::vector<Difference> made;
    place(d, s, count, rng, -1, made);
    d.diffs = made;
    if (int(made.size()) < count) {
        // Say which of the two it was: the photo offers few things, or the
        // edits on the things it offers would have looked made or gone unseen.
        const int found = int(s.things.size() + s.segments.size());
        const QString cause = found < count
            ? QString::fromUtf8("kevés rajta a kicsi, környezetéből kiváló dolog (%1 ilyet találtam)").arg(found)
            : QString::fromUtf8("%1 kicsi, környezetéből kiváló dolgot találtam, de %2 egyszerre természetes és jól látható")
                  .arg(found)
                  .arg(made.empty() ? QString::fromUtf8("egyiken sem lett volna a változás")
                                    : QString::fromUtf8("a többin nem lett volna a változás"));
        *why = QString::fromUtf8("ezen a képen csak %1 természetes különbségnek van helye (a kért %2 helyett): %3")
                   .arg(made.size()).arg(count).arg(cause);
    }
    if (!made.empty())
        d.marker = autoMarker(d);
    return int(made.size());
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
    levelgen::Rng rng(mixSeed(seed));
    std::vector<Difference> made;
    if (place(trial, surveyPhoto(trial.left), 1, rng, -1, made) < 1) {
        *error = QString::fromUtf8("nem találtam helyet egy újabb természetes különbségnek");
        return false;
    }
    if (replacing)
        trial.diffs[size_t(index)] = made.front();
    else
        trial.diffs.push_back(made.front());
    d = trial;
    return true;
}

bool addDifferenceAt(Draft& d, QPoint spot, EditKind kind, std::uint64_t seed, QString* error)
{
    if (d.diffs.size() >= 25) {
        *error = QString::fromUtf8("már 25 különbség van");
        return false;
    }
    if (!clearOfOthers(d, spot, QRect(), -1)) {
        *error = QString::fromUtf8("túl közel van egy másik különbséghez");
        return false;
    }
    // The thing (or, for a recolour, the coloured segment) nearest the press.
    const Survey s = surveyPhoto(d.left);
    const std::vector<Thing>& list = onSegments(kind) ? s.segments : s.things;
    const Thing* nearest = nullptr;
    int bestDistance = 9;
    for (const Thing& t : list) {
        const int dist = std::max(std::abs(t.centre().x() - spot.x()), std::abs(t.centre().y() - spot.y()));
        if (dist < bestDistance)
            bestDistance = dist, nearest = &t;
    }
    if (!nearest) {
        *error = onSegments(kind) ? QString::fromUtf8("itt nincs kicsi, egyszínű folt, amit át lehetne színezni")
                                  : QString::fromUtf8("itt nincs kicsi, környezetéből kiváló dolog");
        return false;
    }
    levelgen::Rng rng(mixSeed(seed));
    Difference diff;
    QString why;
    for (int attempt = 0; attempt < 8; ++attempt) // an edit with a random part may fit on a second try
        if (tryEdit(d, s, *nearest, kind, rng, -1, diff, &why)) {
            d.diffs.push_back(diff);
            return true;
        }
    *error = why;
    return false;
}

} // namespace editor
