// make bench: the game's speed and memory figures on the path a player takes.
//
// A private Xvfb, the real game folder (levels and music made by
// make-content.sh), and, built beside this program, the least Qt Widgets
// program that shows a window, as the reference. Each figure is printed on
// one line with its reference and their ratio. Timings are medians of
// interleaved runs: the machine may be shared, so read them as such.
#include "procstat.h"
#include "xserver.h"

#include "app/app.h"
#include "game/levelrecord.h"
#include "game/gamewindow.h"
#include "menus/startwindow.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "players/records.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kColdRuns = 11;   // per program, interleaved
constexpr int kLoads = 41;      // level loads, each followed by its floor
constexpr int kIdleSeconds = 10;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void figure(const char* what, double value, const char* unit, const char* reference, double ref,
            const char* target)
{
    std::printf("%-46s %8.2f %-3s | %-30s %8.2f %-3s | ratio %5.2f  (target %s)\n", what, value, unit,
                reference, ref, unit, ref > 0 ? value / ref : 0.0, target);
    std::fflush(stdout);
}

void sleepMs(int ms) { QThread::msleep(ulong(ms)); }

// A copy of the game folder in a temporary place: the executable (linked,
// so it finds its folder there), the content linked from the real folder,
// and our own roster and settings, so the player's files stay untouched.
class BenchFolder {
public:
    bool make(const QString& gameDir)
    {
        const QString exe = gameDir + QStringLiteral("kovra2");
        if (!QFile::exists(exe))
            return false;
        if (::link(QFile::encodeName(exe).constData(), QFile::encodeName(path() + QStringLiteral("kovra2")).constData()) != 0
            && !QFile::copy(exe, path() + QStringLiteral("kovra2")))
            return false;
        for (const char* name : {"DATA", "MUSIC", "music"}) {
            const QString real = platform::resolveCaseInsensitive(gameDir, QString::fromLatin1(name));
            if (!QFileInfo(real).isDir() || !QFile::link(real, path() + QString::fromLatin1(name)))
                return false;
        }
        return true;
    }
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    void writeSettings(bool sound, bool music) const
    {
        players::SettingsRecord s;
        s.sound = sound;
        s.music = music;
        QFile f(path() + QStringLiteral("settings.dat"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(players::encodeSettings(s));
    }

private:
    QTemporaryDir dir_;
};

std::vector<std::string> childEnv(const std::string& display)
{
    std::vector<std::string> env{"DISPLAY=" + display, "SDL_AUDIODRIVER=dummy", "QT_QPA_PLATFORM=xcb"};
    for (const char* keep : {"HOME", "PATH", "LANG", "XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        if (const char* v = std::getenv(keep))
            env.push_back(std::string(keep) + "=" + v);
    return env;
}

struct ColdRun {
    double mapMs = -1, rssMb = -1;
};

ColdRun coldRun(bench::XServer& x, const std::string& program, const std::vector<std::string>& env)
{
    ColdRun r;
    pid_t pid = -1;
    r.mapMs = x.launchUntilMapped({program}, env, pid);
    if (pid > 0) {
        sleepMs(1500); // the start window settles: its title music starts after the first paint
        r.rssMb = bench::rssMb(pid);
        bench::stop(pid);
    }
    return r;
}

struct Idle {
    double wakeupsPerSecond = -1, cpuPercent = -1;
};

Idle idleRun(bench::XServer& x, const std::string& program, const std::vector<std::string>& env, int settleMs)
{
    Idle r;
    pid_t pid = -1;
    if (x.launchUntilMapped({program}, env, pid) < 0) {
        if (pid > 0)
            bench::stop(pid);
        return r;
    }
    sleepMs(settleMs);
    const bench::ThreadTotals a = bench::threadTotals(pid);
    sleepMs(kIdleSeconds * 1000);
    const bench::ThreadTotals b = bench::threadTotals(pid);
    bench::stop(pid);
    r.wakeupsPerSecond = double(b.wakeups - a.wakeups) / kIdleSeconds;
    r.cpuPercent = 100.0 * (b.cpuMs - a.cpuMs) / (kIdleSeconds * 1000.0);
    return r;
}

// The least a level load must cost: read the record, write the two scratch
// pictures over the old ones without truncating them first, no fsync.
double floorMs(const QString& level, const QString& dir, std::vector<char>& buf)
{
    QElapsedTimer t;
    t.start();
    const int in = ::open(QFile::encodeName(level).constData(), O_RDONLY);
    if (in < 0 || ::read(in, buf.data(), buf.size()) != ssize_t(buf.size()))
        std::fprintf(stderr, "floor: cannot read %s\n", qPrintable(level));
    ::close(in);
    for (int side = 0; side < 2; ++side) {
        const QByteArray name = QFile::encodeName(dir + (side ? QStringLiteral("floor_b.bmp") : QStringLiteral("floor_a.bmp")));
        const int out = ::open(name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (::pwrite(out, buf.data() + side * level::kPictureBytes, level::kPictureBytes, 0) != level::kPictureBytes)
            std::fprintf(stderr, "floor: cannot write %s\n", name.constData());
        if (::ftruncate(out, level::kPictureBytes) != 0)
            std::fprintf(stderr, "floor: cannot truncate %s\n", name.constData());
        ::close(out);
    }
    return t.nsecsElapsed() / 1e6;
}

// Until everything posted has been handled and painted, and the X server
// has taken the pictures.
void settleOnScreen()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* c = x11->connection();
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    }
}

void spin(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        sleepMs(5);
    }
}

struct Loads {
    double loadMs = 0;    // from the old level's teardown until the X server has the new one
    double workMs = 0;    // the part before painting: teardown, read, write, decode, regions
    double screenMs = 0;  // the rest: painted and on the X server
    double ioFloorMs = 0; // read the record, write the two pictures
    double paintFloorMs = 0; // two pictures painted in a plain window
};

// The least putting two new pictures on screen costs: a plain window of the
// game window's size that paints two already decoded level pictures where
// the game shows them, until the X server has taken them.
class PaintFloor : public QWidget {
public:
    PaintFloor()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(1000, 700);
        std::vector<char> rec(level::kRecordBytes);
        for (int n : {1, 38}) {
            QFile f(platform::levelFile(n));
            if (f.open(QIODevice::ReadOnly) && f.read(rec.data(), qint64(rec.size())) == qint64(rec.size()))
                pictures_.push_back({level::decodePicture(rec.data(), level::kPictureBytes),
                                     level::decodePicture(rec.data() + level::kPictureBytes, level::kPictureBytes)});
        }
    }
    double paintMs(int round)
    {
        if (pictures_.size() < 2)
            return 0;
        QElapsedTimer t;
        t.start();
        shown_ = std::size_t(round) % pictures_.size();
        update(QRect(66, 49, level::kPictureWidth, level::kPictureHeight));
        update(QRect(552, 49, level::kPictureWidth, level::kPictureHeight));
        settleOnScreen();
        return t.nsecsElapsed() / 1e6;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(66, 49, pictures_[shown_].first);
        p.drawImage(552, 49, pictures_[shown_].second);
    }

private:
    std::vector<std::pair<QImage, QImage>> pictures_;
    std::size_t shown_ = 0;
};

void restPointerOn(QWidget& w)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t* c = x11->connection();
    xcb_warp_pointer(c, XCB_NONE, xcb_window_t(w.winId()), 0, 0, 0, 0, std::int16_t(w.width() / 2),
                     std::int16_t(w.height() / 2));
    xcb_flush(c);
    spin(200); // its enter and leave events handled
}

// Level loads as "Következő pálya" does them (regions torn down, next level
// loaded and painted), each followed by the floor of the same level.
Loads levelLoads(GameWindow& game, const QString& dir, int count, PaintFloor& paintFloor)
{
    std::vector<double> loads, works, screens, ioFloors, paintFloors;
    std::vector<char> buf(level::kRecordBytes);
    for (int i = 0; i < count; ++i) {
        const int n = 1 + (i * 37) % 100; // levels with different numbers of differences
        // Whoever reads a level file second finds it in the processor's
        // cache: the floor goes first in every other round.
        const bool floorFirst = i % 2 == 1;
        if (floorFirst)
            ioFloors.push_back(floorMs(platform::levelFile(n), dir, buf));
        QElapsedTimer t;
        t.start();
        game.clearRegions();
        game.loadLevel(n);
        const qint64 built = t.nsecsElapsed();
        settleOnScreen();
        const qint64 shown = t.nsecsElapsed();
        loads.push_back(shown / 1e6);
        works.push_back(built / 1e6);
        screens.push_back((shown - built) / 1e6);
        if (!floorFirst)
            ioFloors.push_back(floorMs(platform::levelFile(n), dir, buf));
        paintFloors.push_back(paintFloor.paintMs(i));
    }
    return {median(loads), median(works), median(screens), median(ioFloors), median(paintFloors)};
}

// Cold start, the start window's memory and the idle figures, each from
// runs of the real game (and the minimal program) on the X server.
bool startFigures(bench::XServer& x, BenchFolder& folder, const std::string& game, const std::string& minimal,
                  const std::vector<std::string>& env)
{
    // Cold start and the start window's memory, music on as a new player has it.
    folder.writeSettings(true, true);
    std::vector<double> gameMap, minMap, gameRss, minRss;
    coldRun(x, game, env); // warms the page cache for both
    coldRun(x, minimal, env);
    for (int i = 0; i < kColdRuns; ++i) {
        for (int k = 0; k < 2; ++k) {
            const bool gameTurn = (i + k) % 2 == 0; // alternate which goes first
            const ColdRun r = coldRun(x, gameTurn ? game : minimal, env);
            if (r.mapMs < 0) {
                std::fprintf(stderr, "bench: %s showed no window\n", gameTurn ? "the game" : "the minimal program");
                return false;
            }
            (gameTurn ? gameMap : minMap).push_back(r.mapMs);
            (gameTurn ? gameRss : minRss).push_back(r.rssMb);
        }
    }
    figure("cold start: exec to start window mapped", median(gameMap), "ms", "minimal Qt Widgets program",
           median(minMap), "<= 2");
    figure("start window RSS", median(gameRss), "MB", "minimal Qt Widgets program", median(minRss), "<= 1.6");

    // Idle at the start window.
    folder.writeSettings(true, false);
    const Idle quiet = idleRun(x, game, env, 4000); // the title piece is opened, then the device closes
    figure("idle, nothing playing: wake-ups", quiet.wakeupsPerSecond, "/s", "target", 2, "<= 1");
    figure("idle, nothing playing: CPU", quiet.cpuPercent, "%", "target", 0.05, "< 1");
    folder.writeSettings(true, true);
    const Idle playing = idleRun(x, game, env, 2000);
    const double bufferRate = 44100.0 / 1024.0;
    figure("idle, title music playing: wake-ups", playing.wakeupsPerSecond, "/s", "mixer buffer rate",
           bufferRate, "about 1");
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    const QString gameDir = QDir::currentPath() + QLatin1Char('/');
    const std::string minimal = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath().toStdString()
                                + "/kovra_bench_minimal";
    if (!QFile::exists(platform::resolveCaseInsensitive(gameDir, QStringLiteral("DATA/001.DAT")))
        || !QFile::exists(platform::resolveCaseInsensitive(gameDir, QStringLiteral("music/000.mp3")))) {
        std::fprintf(stderr, "bench: no levels or music in %s (make content makes them)\n", qPrintable(gameDir));
        return 1;
    }
    // Other X servers may start beside ours and take the display it chose.
    std::unique_ptr<bench::XServer> server;
    for (int attempt = 0; attempt < 3 && !server; ++attempt) {
        server = std::make_unique<bench::XServer>();
        if (!server->start())
            server.reset();
    }
    if (!server) {
        std::fprintf(stderr, "bench: cannot start Xvfb\n");
        return 1;
    }
    bench::XServer& x = *server;
    BenchFolder folder;
    if (!folder.make(gameDir)) {
        std::fprintf(stderr, "bench: cannot lay out a game folder\n");
        return 1;
    }
    const std::string game = (folder.path() + QStringLiteral("kovra2")).toStdString();
    const std::vector<std::string> env = childEnv(x.display());
    std::printf("Kovra 2 benchmark: Xvfb %s, the game folder %s, SDL's dummy audio driver\n",
                x.display().c_str(), qPrintable(gameDir));

    // --loads: only the level loads, for working on them.
    const bool loadsOnly = argc > 1 && std::string(argv[1]) == "--loads";
    if (!loadsOnly && !startFigures(x, folder, game, minimal, env))
        return 1;

    // Level loads and peak memory, in this process, on the same X server,
    // sound and music on as a new player has them.
    folder.writeSettings(true, true);
    qputenv("DISPLAY", QByteArray::fromStdString(x.display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    platform::setMessageScript([](const platform::MessageRecord& m) {
        std::fprintf(stderr, "message box: %s\n", qPrintable(m.text)); // a box would wait for a person
    });
    platform::setExeDir(folder.path());
    app::App program;
    program.start();
    spin(1500);
    const double startRss = bench::rssMb(getpid());
    program.players().roster.playerCount = 1;
    program.players().roster.slot(1) = players::PlayerRecord::newPlayer(QStringLiteral("Bench"));
    program.players().select(1);
    program.startWindow()->titleMusic.stop();
    program.startWindow()->hide();
    GameWindow& window = *program.gameWindow();
    window.show(); // the player's level, with its sound and music as a new player has them
    spin(500);
    // The peak of the game's own work, before the floor's buffer adds to it;
    // these loads also warm the caches for the timed ones.
    for (int i = 0; i < 20; ++i) {
        window.clearRegions();
        window.loadLevel(1 + (i * 37) % 100);
        settleOnScreen();
    }
    const double peakRss = bench::peakRssMb(getpid());
    folder.writeSettings(false, false);
    program.settings().load();
    PaintFloor paintFloor; // beside the game's window, not over it
    paintFloor.move(0, 0);
    paintFloor.show();
    spin(300);
    // A player starts the next level from a button of another window (the
    // level-completed one, the player list): the pointer rests there, not
    // on the game's window.
    restPointerOn(paintFloor);
    const Loads quiet = levelLoads(window, folder.path(), kLoads, paintFloor);
    figure("level load, sound and music off", quiet.loadMs, "ms", "floor: read, write, show 2 pictures",
           quiet.ioFloorMs + quiet.paintFloorMs, "<= 3");
    figure("  until painting: read, write, decode, regions", quiet.workMs, "ms", "floor: read, write 2 pictures",
           quiet.ioFloorMs, "<= 3");
    figure("  painted and on the X server", quiet.screenMs, "ms", "floor: 2 pictures, a plain window",
           quiet.paintFloorMs, "none, for information");
    folder.writeSettings(true, true);
    program.settings().load();
    const Loads withMusic = levelLoads(window, folder.path(), kLoads / 2, paintFloor);
    figure("level load with its sound and music", withMusic.loadMs, "ms", "floor: read, write, show 2 pictures",
           withMusic.ioFloorMs + withMusic.paintFloorMs, "none, for information");
    // With the pointer on the game's window, each region shown would ask the
    // X server where the pointer is; the region layer asks once.
    restPointerOn(window);
    const Loads underPointer = levelLoads(window, folder.path(), kLoads / 2, paintFloor);
    figure("level load, pointer on the game window", underPointer.loadMs, "ms", "floor: read, write, show 2 pictures",
           underPointer.ioFloorMs + underPointer.paintFloorMs, "none, for information");
    figure("peak RSS, levels loaded (this process)", peakRss, "MB",
           "its start window's RSS", startRss, "<= 1.5");
    window.hide();
    return 0;
}
