#include "musicgen.h"

#include "composer.h"
#include "mp3.h"
#include "render.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace musicgen {

namespace {

// Where a level file keeps its difference count.
constexpr std::uintmax_t kLevelFileBytes = 1025916;
constexpr std::streamoff kDiffCountOffset = 1025804;
// A little over the minimum so that a rounding of the decoder never falls short.
constexpr double kMargin = 3.0;

std::string three(int n)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

fs::path stampPath(const std::string& out) { return fs::path(out) / "MUSIC" / "musicgen.stamp"; }

struct StampEntry {
    int version = 0;
    double seconds = 0;
};

// One line a piece: "<piece> <version> <seconds>".
std::map<int, StampEntry> readStamp(const std::string& out)
{
    std::map<int, StampEntry> m;
    std::ifstream in(stampPath(out));
    int piece, version;
    double seconds;
    while (in >> piece >> version >> seconds)
        m[piece] = {version, seconds};
    return m;
}

void writeStamp(const std::string& out, const std::map<int, StampEntry>& m)
{
    const fs::path path = stampPath(out);
    const fs::path tmp = path.string() + ".tmp";
    {
        std::ofstream f(tmp);
        for (const auto& [piece, e] : m)
            f << piece << ' ' << e.version << ' ' << e.seconds << '\n';
        if (!f)
            throw std::runtime_error("cannot write " + tmp.string());
    }
    fs::rename(tmp, path);
}

void writeAtomically(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    // A run cut short never leaves half a piece under the final name.
    const fs::path tmp = path.string() + ".part";
    {
        std::ofstream f(tmp, std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!f)
            throw std::runtime_error("cannot write " + tmp.string());
    }
    fs::rename(tmp, path);
}

} // namespace

std::string relativePath(int piece) { return piece == 0 ? "music/000.mp3" : "MUSIC/" + three(piece) + ".MP3"; }

int levelDiffCount(const std::string& gameDir, int level)
{
    const fs::path path = fs::path(gameDir) / "DATA" / (three(level) + ".DAT");
    std::error_code ec;
    if (fs::file_size(path, ec) != kLevelFileBytes || ec)
        return 0;
    std::ifstream f(path, std::ios::binary);
    f.seekg(kDiffCountOffset);
    const int c = f.get();
    return c == EOF ? 0 : c;
}

double requiredSeconds(int piece, int diffCount, double levelSeconds, double titleSeconds)
{
    if (piece == 0)
        return titleSeconds;
    return std::max(levelSeconds, 10.0 * diffCount);
}

std::vector<std::uint8_t> makePiece(int piece, double seconds)
{
    return encodeMp3(render(compose(piece, seconds), kRate), kKbps);
}

Summary generate(const Options& o)
{
    const auto started = std::chrono::steady_clock::now();
    fs::create_directories(fs::path(o.out) / "music");
    fs::create_directories(fs::path(o.out) / "MUSIC");
    std::map<int, StampEntry> stamp = readStamp(o.out);

    struct Job {
        int piece;
        double seconds;
    };
    std::vector<Job> jobs;
    Summary sum;
    for (int p = o.first; p <= o.last; ++p) {
        const double need = requiredSeconds(p, p == 0 ? 0 : levelDiffCount(o.out, p), o.levelSeconds, o.titleSeconds);
        const auto it = stamp.find(p);
        const bool current = fs::exists(fs::path(o.out) / relativePath(p)) && it != stamp.end() &&
                             it->second.version == kVersion && it->second.seconds >= need;
        if (current)
            ++sum.upToDate;
        else
            jobs.push_back({p, need + kMargin});
    }

    std::mutex lock;
    std::atomic<std::size_t> nextJob{0};
    std::exception_ptr failure;
    int done = 0;
    const auto work = [&] {
        for (std::size_t j; (j = nextJob++) < jobs.size();) {
            try {
                const Job job = jobs[j];
                const auto bytes = makePiece(job.piece, job.seconds);
                writeAtomically(fs::path(o.out) / relativePath(job.piece), bytes);
                std::lock_guard<std::mutex> g(lock);
                stamp[job.piece] = {kVersion, job.seconds};
                ++done;
                if (o.progress) {
                    std::fprintf(o.progress, "music [%3d/%zu] %s  %.0f s  %.1f MB\n", done, jobs.size(),
                                 relativePath(job.piece).c_str(), job.seconds, bytes.size() / 1e6);
                    std::fflush(o.progress);
                }
            } catch (...) {
                std::lock_guard<std::mutex> g(lock);
                if (!failure)
                    failure = std::current_exception();
                nextJob = jobs.size();
            }
        }
    };
    const int threads = std::max(1, std::min<int>(o.jobs > 0 ? o.jobs : int(std::thread::hardware_concurrency()),
                                                  int(jobs.size())));
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (auto& t : pool)
        t.join();
    if (!jobs.empty())
        writeStamp(o.out, stamp);
    if (failure)
        std::rethrow_exception(failure);

    sum.made = done;
    for (int p = o.first; p <= o.last; ++p) {
        std::error_code ec;
        const auto size = fs::file_size(fs::path(o.out) / relativePath(p), ec);
        if (!ec)
            sum.bytes += size;
    }
    sum.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return sum;
}

} // namespace musicgen
