// Prints the game's speed and memory figures: cold start to the first
// window, level loading against the raw file-I/O floor, peak memory with a
// level loaded, and CPU use while a level runs untouched.
#include "app/forms.h"
#include "game/levelrecord.h"
#include "game/uMain.h"
#include "menus/uStarter.h"
#include "platform/image.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "players/records.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

double processAgeMs()
{
    // Field 22 of /proc/self/stat: start time in clock ticks since boot.
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec up{};
    clock_gettime(CLOCK_BOOTTIME, &up);
    const double nowMs = up.tv_sec * 1000.0 + up.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

double cpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void prepareFolder(const QString& dir, const QString& gameDir)
{
    QDir(dir).mkpath(QStringLiteral("DATA"));
    QDir(dir).mkpath(QStringLiteral("MUSIC"));
    const QString level = platform::resolveCaseInsensitive(gameDir, QStringLiteral("DATA/001.DAT"));
    if (!QFile::copy(level, dir + QStringLiteral("DATA/001.DAT"))) {
        QImage pic(354, 482, QImage::Format_RGB888);
        pic.fill(QColor(80, 120, 160));
        level::writeLevelFile(dir + QStringLiteral("DATA/001.DAT"), pic, pic, {{50, 50}, {150, 150}}, Qt::red);
    }
    players::SettingsRecord s;
    // Without a generated piece the music stays off: a missing file would
    // stop the run at its error box.
    s.music = QFile::copy(platform::resolveCaseInsensitive(gameDir, QStringLiteral("MUSIC/001.MP3")),
                          dir + QStringLiteral("MUSIC/001.MP3"));
    QFile settings(dir + QStringLiteral("settings.dat"));
    settings.open(QIODevice::WriteOnly);
    settings.write(players::encodeSettings(s));
}

double rawIoFloorMs(const QString& dir)
{
    const QString path = dir + QStringLiteral("DATA/001.DAT");
    std::vector<double> runs;
    std::vector<char> buf(level::kRecordBytes);
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer t;
        t.start();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        in.read(buf.data(), qint64(buf.size()));
        in.close();
        for (const char* name : {"floor_a.bmp", "floor_b.bmp"}) {
            QFile out(dir + QString::fromLatin1(name));
            out.open(QIODevice::WriteOnly | QIODevice::Truncate);
            out.write(buf.data(), level::kPictureBytes);
        }
        runs.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(runs);
}

} // namespace

int main(int argc, char** argv)
{
    const QString gameDir = QDir::currentPath() + QLatin1Char('/');
    QApplication app(argc, argv);
    // An error box would wait for a person; print it instead.
    platform::setMessageScript([](const platform::MessageRecord& m) {
        std::fprintf(stderr, "message box: %s\n", qPrintable(m.text));
    });
    app::createForms();
    Form2->show();
    QApplication::processEvents();
    const double coldStart = processAgeMs();
    Form2->hide();

    QTemporaryDir tmp;
    const QString dir = tmp.path() + QLatin1Char('/');
    prepareFolder(dir, gameDir);
    platform::setExeDir(dir);
    Form3->roster.playerCount = 1;
    Form3->roster.slot(1) = players::PlayerRecord::newPlayer(QStringLiteral("Bench"));
    Form3->selectedPlayer = 1;
    Form1->show();
    QApplication::processEvents();

    std::vector<double> loads;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer t;
        t.start();
        Form1->AlakzatLebontas();
        Form1->SzintFeltolt(1);
        Form1->balkep->repaint();
        Form1->jobbkep->repaint();
        loads.push_back(t.nsecsElapsed() / 1e6);
    }
    const double load = median(loads);
    const double floor = rawIoFloorMs(dir);

    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    const double peakMb = ru.ru_maxrss / 1024.0;

    // A level running untouched: only the clock ticks (and the music plays
    // when its piece exists).
    Form1->AlakzatLebontas();
    Form1->SzintFeltolt(1);
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(8000, &app, &QCoreApplication::quit);
    app.exec();
    const double idle = 100.0 * (cpuSeconds() - cpu0) / (wall.nsecsElapsed() / 1e9);
    const bool music = Form8->chkMusic->isChecked() && QFile::exists(dir + QStringLiteral("MUSIC/001.MP3"));

    std::printf("cold start to first window:   %7.1f ms   (target < 300 ms)\n", coldStart);
    std::printf("level load, median of 40:     %7.2f ms   (target <= 10 ms)\n", load);
    std::printf("raw file-I/O floor (1 MB read, 2 x 0.5 MB write): %.2f ms, load/floor ratio %.1f\n", floor,
                load / floor);
    std::printf("peak memory, one level loaded: %6.1f MB   (target < 80 MB)\n", peakMb);
    std::printf("CPU while a level runs untouched (%s): %.2f %% of one core   (target < 1 %%)\n",
                music ? "music playing" : "no music", idle);
    Form1->hide();
    app::destroyForms();
    return 0;
}
