#include "editor/maskedit.h"

#include "editor/automaker.h"
#include "editor/change.h"
#include "tools/levelgen/rng.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/photo.hpp>
#include <algorithm>

namespace editor {

const char* maskEditName(MaskEdit k)
{
    switch (k) {
    case MaskEdit::Remove: return "remove";
    case MaskEdit::Recolour: return "recolour";
    case MaskEdit::Clone: return "clone";
    }
    return "?";
}

QString maskEditTitle(MaskEdit k)
{
    switch (k) {
    case MaskEdit::Remove: return QString::fromUtf8("Eltávolítás (kitöltés)");
    case MaskEdit::Recolour: return QString::fromUtf8("Átszínezés");
    case MaskEdit::Clone: return QString::fromUtf8("Folt a közelből");
    }
    return {};
}

QRect maskSquare(QPoint start) { return clickSquare(start) & QRect(0, 0, 354, 482); }

void paintMask(cv::Mat& mask, const QRect& square, QPoint a, QPoint b, int brush)
{
    if (mask.empty())
        mask = cv::Mat(square.height(), square.width(), CV_8U, cv::Scalar(0));
    // cv::line clips to the matrix, which is the square.
    cv::line(mask, cv::Point(a.x() - square.x(), a.y() - square.y()), cv::Point(b.x() - square.x(), b.y() - square.y()),
             cv::Scalar(255), 2 * brush + 1, cv::LINE_8);
}

namespace {
// The edited square, before it is blended in under the mask.
bool editedSquare(const cv::Mat& left, const cv::Mat& right, const cv::Rect& sq, const cv::Mat& mask, MaskEdit kind,
                  levelgen::Rng& rng, cv::Mat& out)
{
    switch (kind) {
    case MaskEdit::Remove: {
        // Fill from the surroundings; the two methods give a re-roll a second look.
        const cv::Rect work = cv::Rect(sq.x - 12, sq.y - 12, sq.width + 24, sq.height + 24) & cv::Rect(0, 0, right.cols, right.rows);
        cv::Mat m(work.size(), CV_8U, cv::Scalar(0)), filled;
        mask.copyTo(m(cv::Rect(sq.x - work.x, sq.y - work.y, sq.width, sq.height)));
        cv::inpaint(right(work), m, filled, 3 + rng.between(0, 4), rng.between(0, 1) ? cv::INPAINT_NS : cv::INPAINT_TELEA);
        out = filled(cv::Rect(sq.x - work.x, sq.y - work.y, sq.width, sq.height)).clone();
        return true;
    }
    case MaskEdit::Recolour: {
        // A hue turn for coloured pixels, a change of shade for grey ones.
        cv::Mat hsv;
        cv::cvtColor(right(sq), hsv, cv::COLOR_BGR2HSV);
        const int turn = rng.between(35, 145) * (rng.between(0, 1) ? 1 : -1) / 2; // OpenCV hue runs 0..179
        const double shade = rng.between(0, 1) ? 0.5 : 1.6;
        for (int y = 0; y < hsv.rows; ++y)
            for (int x = 0; x < hsv.cols; ++x) {
                auto& px = hsv.at<cv::Vec3b>(y, x);
                if (px[1] > 60)
                    px[0] = uchar((px[0] + turn + 180) % 180);
                px[2] = cv::saturate_cast<uchar>(px[2] * shade + (shade > 1 ? 25 : 0));
            }
        cv::cvtColor(hsv, out, cv::COLOR_HSV2BGR);
        return true;
    }
    case MaskEdit::Clone: {
        // The nearby patch (20 to 40 px away) that differs most from what it covers.
        double best = -1;
        for (int i = 0; i < 12; ++i) {
            const int dx = rng.between(-40, 40), dy = rng.between(-40, 40);
            if (std::max(std::abs(dx), std::abs(dy)) < 20)
                continue;
            const cv::Rect from(sq.x + dx, sq.y + dy, sq.width, sq.height);
            if ((from & cv::Rect(0, 0, left.cols, left.rows)) != from)
                continue;
            const double diff = cv::norm(left(from), right(sq), cv::NORM_L1, mask);
            if (diff > best)
                best = diff, out = left(from).clone();
        }
        return best >= 0;
    }
    }
    return false;
}
} // namespace

bool addMaskedDifference(Draft& d, const QRect& square, const cv::Mat& mask, MaskEdit kind, std::uint64_t seed,
                         QString* error)
{
    return addMaskedAt(d, square, mask, kind, seed, -1, error);
}

bool addMaskedAt(Draft& d, const QRect& square, const cv::Mat& mask, MaskEdit kind, std::uint64_t seed, int index,
                 QString* error)
{
    if (index < 0 && d.diffs.size() >= 25) {
        *error = QString::fromUtf8("már 25 különbség van");
        return false;
    }
    if (mask.empty() || cv::countNonZero(mask) < 20) {
        *error = QString::fromUtf8("a festett folt túl kicsi");
        return false;
    }
    const cv::Rect sq(square.x(), square.y(), square.width(), square.height());
    if ((sq & cv::Rect(0, 0, d.right.cols, d.right.rows)) != sq || mask.size() != sq.size()) {
        *error = QString::fromUtf8("a folt kilóg a képből");
        return false;
    }
    const cv::Mat before = d.right(sq).clone();
    levelgen::Rng rng(seed);
    QString why = QString::fromUtf8("itt nincs mit megváltoztatni");
    for (int attempt = 0; attempt < 8; ++attempt) { // a random part may show on a second try
        cv::Mat edited;
        if (!editedSquare(d.left, d.right, sq, mask, kind, rng, edited))
            continue;
        // Only under the mask, so the change cannot leave the square; the
        // mask's own rim is blended so the stroke leaves no hard edge.
        cv::Mat alpha, m;
        mask.convertTo(m, CV_32F, 1.0 / 255);
        cv::GaussianBlur(m, alpha, cv::Size(3, 3), 0.8);
        alpha = alpha.mul(m);
        cv::Mat dst = d.right(sq);
        for (int y = 0; y < sq.height; ++y)
            for (int x = 0; x < sq.width; ++x) {
                const float t = alpha.at<float>(y, x);
                if (t <= 0)
                    continue;
                auto& px = dst.at<cv::Vec3b>(y, x);
                const auto& e = edited.at<cv::Vec3b>(y, x);
                for (int c = 0; c < 3; ++c)
                    px[c] = cv::saturate_cast<uchar>(e[c] * t + px[c] * (1 - t));
            }
        Difference out;
        if (judgeChange(d, square, index, out, &why)) {
            out.kind = QString::fromLatin1(maskEditName(kind));
            out.mask = mask.clone();
            out.maskSquare = square;
            out.maskKind = int(kind);
            if (index < 0)
                d.diffs.push_back(out);
            else
                d.diffs[size_t(index)] = out;
            return true;
        }
        before.copyTo(d.right(sq));
    }
    *error = why;
    return false;
}

bool rerollMasked(Draft& d, int index, std::uint64_t seed, QString* error)
{
    if (index < 0 || index >= int(d.diffs.size()) || d.diffs[size_t(index)].mask.empty()) {
        *error = QString::fromUtf8("ez nem festett különbség");
        return false;
    }
    const Difference old = d.diffs[size_t(index)];
    const cv::Mat keep = d.right.clone();
    const cv::Rect t(old.touched.x(), old.touched.y(), old.touched.width(), old.touched.height());
    d.left(t).copyTo(d.right(t)); // from the photo again, so the edit does not pile up
    if (!addMaskedAt(d, old.maskSquare, old.mask, MaskEdit(old.maskKind), seed, index, error)) {
        d.right = keep;
        return false;
    }
    return true;
}

} // namespace editor
