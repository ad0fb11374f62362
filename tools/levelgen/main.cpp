// kovra_levelgen: makes, checks and shows the level pack.
#include "tools/levelgen/pack.h"
#include "tools/levelgen/themes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <thread>

using namespace levelgen;

namespace {
bool parseRange(const QString& text, int& first, int& last)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    bool ok1 = false, ok2 = false;
    first = parts.value(0).toInt(&ok1);
    last = parts.size() > 1 ? parts.value(1).toInt(&ok2) : first;
    ok2 = ok2 || parts.size() == 1;
    return ok1 && ok2 && parts.size() <= 2 && first >= 1 && last <= kLevels && first <= last;
}

int validateAndShow(const QString& dir, int first, int last, int threads, const QString& sheet, const QString& pairs)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<Report> reports = validateDir(dir, first, last, threads);
    const ClosestPair closest = checkLookAlikes(reports, first);
    const ClosestPair layouts = checkLayouts(reports, first);
    checkThemeSpacing(reports, first, themeSchedule());
    const double seconds = timer.elapsed() / 1000.0;
    int failed = 0;
    for (int i = 0; i < int(reports.size()); ++i) {
        std::printf("%s  [%s]\n", qPrintable(reports[std::size_t(i)].summary(first + i)), themeName(themeForLevel(first + i)));
        failed += !reports[std::size_t(i)].ok();
    }
    long visible = 0, outside = 0;
    int worst = 0;
    for (const Report& r : reports) {
        worst = std::max(worst, r.worstSpill());
        for (const DiffCheck& d : r.diffs)
            visible += d.visible, outside += d.visible - d.inside;
    }
    std::printf("Visibly changed pixels outside their click square: %ld of %ld (%.1f%%), worst spill %d px\n", outside, visible,
                visible ? 100.0 * outside / visible : 0.0, worst);
    if (closest.a)
        std::printf("Most alike: levels %d and %d, %.1f of 255 apart\n", closest.a, closest.b, closest.distance);
    if (layouts.a)
        std::printf("Most alike arrangements: levels %d and %d, %.2f apart (at least %.2f)\n", layouts.a, layouts.b, layouts.distance, kMinLayoutDistance);
    std::printf("Validated %d levels in %.2f s: %s\n", int(reports.size()), seconds,
                failed ? qPrintable(QStringLiteral("%1 FAILED").arg(failed)) : "all pass");
    if (!sheet.isEmpty() && !contactSheet(reports, first).save(sheet))
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(sheet));
    if (!pairs.isEmpty()) {
        QDir().mkpath(pairs);
        for (int i = 0; i < int(reports.size()); ++i)
            if (!reports[std::size_t(i)].left.isNull())
                pairImage(reports[std::size_t(i)]).save(QDir(pairs).filePath(QStringLiteral("%1.png").arg(first + i, 3, 10, QLatin1Char('0'))));
    }
    return failed ? 1 : 0;
}
int writeReport(const QString& dir, int threads)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<LevelSummary> levels(kLevels);
    parallel(kLevels, threads, [&](int i) { levels[std::size_t(i)] = summarise(generateLevel(i + 1)); });
    QDir().mkpath(dir);
    const QString table = reportTable(levels);
    QFile f(QDir(dir).filePath(QStringLiteral("levels-report.txt")));
    if (!f.open(QIODevice::WriteOnly) || f.write(table.toUtf8()) < 0 ||
        !reportPlot(levels).save(QDir(dir).filePath(QStringLiteral("levels-report.png")))) {
        std::fprintf(stderr, "Cannot write the report into %s\n", qPrintable(dir));
        return 3;
    }
    std::printf("%s\nReport of %d levels in %.2f s written to %s\n", qPrintable(table), kLevels, timer.elapsed() / 1000.0, qPrintable(dir));
    return 0;
}
// Every level generated in memory and held to the scene rules: each breach,
// a count per rule, and the levels whose arrangements are too alike.
int writeRules(int first, int last, int threads, bool verbose)
{
    QElapsedTimer timer;
    timer.start();
    const int count = last - first + 1;
    std::vector<Level> levels{std::size_t(count)};
    parallel(count, threads, [&](int i) { levels[std::size_t(i)] = generateLevel(first + i); });
    const double seconds = timer.elapsed() / 1000.0;
    int perRule[kSceneRules] = {};
    std::vector<std::vector<float>> thumbs;
    for (const Level& lv : levels) {
        int mine[kSceneRules] = {};
        for (const Breach& b : lv.breaches) {
            ++mine[int(b.rule)];
            if (verbose)
                std::printf("%03d  %-17s %s\n", lv.number, sceneRuleName(b.rule), qPrintable(b.text));
        }
        for (int r = 0; r < kSceneRules; ++r)
            perRule[r] += mine[r] > 0;
        thumbs.push_back(layoutThumbnail(level::decodePicture(lv.record.constData(), level::kPictureBytes)));
    }
    std::vector<std::pair<double, std::pair<int, int>>> pairs;
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            pairs.push_back({layoutDistance(thumbs[std::size_t(i)], thumbs[std::size_t(j)]), {first + i, first + j}});
    std::sort(pairs.begin(), pairs.end());
    std::vector<bool> sameLayout(std::size_t(count), false);
    for (const auto& [d, ab] : pairs)
        if (d < kMinLayoutDistance)
            sameLayout[std::size_t(ab.first - first)] = sameLayout[std::size_t(ab.second - first)] = true;
    perRule[int(SceneRule::Layout)] = int(std::count(sameLayout.begin(), sameLayout.end(), true));
    std::printf("Closest arrangements (1 - correlation of row-levelled grey thumbnails):");
    for (std::size_t k = 0; k < std::min<std::size_t>(12, pairs.size()); ++k)
        std::printf(" %d/%d %.2f", pairs[k].second.first, pairs[k].second.second, pairs[k].first);
    std::printf("\nLevels breaking each scene rule, of %d:\n", count);
    for (int r = 0; r < kSceneRules; ++r)
        std::printf("  %-18s %d\n", sceneRuleName(SceneRule(r)), perRule[r]);
    double firstTen = 0, lastTen = 0;
    for (int i = 0; i < std::min(10, count); ++i)
        firstTen += levels[std::size_t(i)].objects, lastTen += levels[std::size_t(count - 1 - i)].objects;
    std::printf("Objects, mean of the first ten levels %.1f, of the last ten %.1f\n", firstTen / std::min(10, count), lastTen / std::min(10, count));
    std::printf("Generated %d levels in %.2f s on %d threads\n", count, seconds, threads);
    return std::any_of(std::begin(perRule), std::end(perRule), [](int n) { return n > 0; }) ? 1 : 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kovra_levelgen"));
    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral("Makes and checks the 100 level files of Kovra 2."));
    cli.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Generate missing or outdated levels into <dir>, then check them."), QStringLiteral("dir"));
    const QCommandLineOption check(QStringLiteral("validate"), QStringLiteral("Only check the levels in <dir>."), QStringLiteral("dir"));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"), QStringLiteral("Write all checked levels, small, to <png>."), QStringLiteral("png"));
    const QCommandLineOption pairs(QStringLiteral("pairs"), QStringLiteral("Write each checked level at full size into <dir>."), QStringLiteral("dir"));
    const QCommandLineOption report(QStringLiteral("report"), QStringLiteral("Generate every level in memory and write the difficulty table and plot into <dir>."), QStringLiteral("dir"));
    const QCommandLineOption range(QStringLiteral("levels"), QStringLiteral("Only levels <a-b> (default 1-100)."), QStringLiteral("a-b"), QStringLiteral("1-100"));
    const QCommandLineOption rules(QStringLiteral("rules"), QStringLiteral("Generate the levels in memory and list every breach of the scene rules."));
    cli.addOptions({out, check, sheet, pairs, report, range, rules});
    cli.process(app);
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    if (cli.isSet(report))
        return writeReport(cli.value(report), threads);

    int first = 1, last = kLevels;
    if (cli.isSet(rules) && parseRange(cli.value(range), first, last))
        return writeRules(first, last, threads, true);
    if (!parseRange(cli.value(range), first, last) || cli.isSet(out) == cli.isSet(check)) {
        std::fprintf(stderr, "Usage: kovra_levelgen (--out <dir> | --validate <dir>) [--levels a-b] [--contact-sheet <png>] [--pairs <dir>]\n");
        return 2;
    }
    const QString dir = cli.isSet(out) ? cli.value(out) : cli.value(check);
    bool generated = false;
    if (cli.isSet(out)) {
        const std::vector<int> todo = staleLevels(dir, first, last);
        if (!todo.empty()) {
            QElapsedTimer timer;
            timer.start();
            const bool ok = writeLevels(dir, todo, threads, [](int done, int total) {
                std::printf("\rGenerating levels: %d/%d", done, total);
                std::fflush(stdout);
            });
            std::printf("\nGenerated %d levels in %.2f s on %d threads\n", int(todo.size()), timer.elapsed() / 1000.0, threads);
            if (!ok) {
                std::fprintf(stderr, "Cannot write the levels into %s\n", qPrintable(dir));
                return 3;
            }
            stampIfComplete(dir, todo);
            generated = true;
        } else {
            std::printf("Levels %d-%d in %s are up to date (generator version %d)\n", first, last, qPrintable(dir), kGeneratorVersion);
        }
    }
    if (cli.isSet(check) || generated || cli.isSet(sheet) || cli.isSet(pairs))
        return validateAndShow(dir, first, last, threads, cli.value(sheet), cli.value(pairs));
    return 0;
}
