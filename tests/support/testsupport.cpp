#include "support/appwindows.h"
#include "support/testsupport.h"

#include "menus/startwindow.h"
#include "game/levelrecord.h"
#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/timer.h"
#include "players/records.h"
#include "sound/soundchannel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <utility>

namespace testsupport {

GameDir::GameDir()
{
    QDir(dir_.path()).mkpath(QStringLiteral("DATA"));
    platform::setExeDir(path());
}

GameDir::~GameDir() { platform::setExeDir(QString()); }

QString GameDir::path() const { return dir_.path() + QLatin1Char('/'); }

MessageLog::MessageLog()
{
    platform::setMessageScript([this](const platform::MessageRecord& m) { list << m; });
}

MessageLog::~MessageLog() { platform::setMessageScript(nullptr); }

QStringList MessageLog::texts() const
{
    QStringList t;
    for (const auto& m : list)
        t << m.text;
    return t;
}

ModalLog::ModalLog()
{
    platform::setModalScript([this](QWidget* w) {
        shown << w->objectName();
        return answer ? answer(w) : int(platform::mrCancel);
    });
}

ModalLog::~ModalLog() { platform::setModalScript(nullptr); }

namespace {
// The program of the running Forms. A plain pointer: a program still alive
// when the process exits (a fuzzer's session) is left as it is, since the
// timers and the application it needs are gone by then.
app::App* ownApp = nullptr;
app::App* currentApp = nullptr; // that one, or the one runGame made

void endOwnApp()
{
    currentApp = nullptr;
    delete std::exchange(ownApp, nullptr);
}
} // namespace

app::App& app()
{
    if (!currentApp) {
        ownApp = new app::App;
        currentApp = ownApp;
    }
    return *currentApp;
}

void useApp(app::App* program) { currentApp = program; }

void restartApp(bool buildAll)
{
    endOwnApp();
    if (buildAll)
        app().buildAllWindows();
}

Forms::Forms(bool buildAll)
{
    platform::VirtualClock::activate();
    restartApp(buildAll);
    sound::SoundChannel::instance().log.clear();
}

bool startProgram()
{
    app().start();
    // The show sequence opens the title music first, whatever the setting.
    return QTest::qWaitFor([] { return !startWindow()->titleMusic.log.isEmpty(); }, 5000);
}

Forms::~Forms()
{
    endOwnApp();
    sound::SoundChannel::instance().log.clear();
}

QString writeTestLevel(const QString& dir, int levelNo, const QVector<QPoint>& points, unsigned rgb)
{
    QImage left(level::kPictureWidth, level::kPictureHeight, QImage::Format_RGB888);
    left.fill(QColor(90, 140, 200));
    QImage right = left;
    QPainter p(&right);
    for (const QPoint& pt : points)
        p.fillRect(pt.x() - 3, pt.y() - 3, 7, 7, Qt::yellow);
    p.end();
    QDir(dir).mkpath(QStringLiteral("DATA"));
    const QString path = dir + QStringLiteral("DATA/") + level::zeroes(std::uint8_t(levelNo)) + QStringLiteral(".DAT");
    level::writeLevelFile(path, left, right, points, QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    return path;
}

QVector<QPoint> spreadPoints(int count)
{
    QVector<QPoint> pts;
    for (int i = 0; i < count; ++i)
        pts << QPoint(30 + (i % 7) * 45, 30 + (i / 7) * 60);
    return pts;
}

int addPlayer(const QString& dir, const QString& name, int levelNo, int helps, int bank, int attempts)
{
    const QString path = dir + QStringLiteral("players.dat");
    players::RosterRecord r;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly) && f.size() >= players::kRosterBytes) {
        const QByteArray b = f.read(players::kRosterBytes);
        r = players::decodeRoster(b.constData());
    }
    f.close();
    const int slot = r.playerCount + 1;
    players::PlayerRecord p = players::PlayerRecord::newPlayer(name);
    p.level = std::uint8_t(levelNo);
    p.helps = std::uint8_t(helps);
    p.secondsBank = std::uint8_t(bank);
    p.attempts = std::uint16_t(attempts);
    r.slot(slot) = p;
    r.playerCount = std::uint8_t(slot);
    QFile out(path);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(players::encodeRoster(r));
    return slot;
}

QString raisedBy(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::RuntimeError& e) {
        return e.message();
    }
    return QString();
}

} // namespace testsupport
