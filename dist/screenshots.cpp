// kovra_screenshots <out folder>: the screenshots of the AppStream metainfo,
// taken of the real windows drawn off screen: the start window, the player
// window and level 1 with two differences found. Level 1 is made by the level
// generator in a scratch game folder; nothing else is read.
#include "app/windows.h"
#include "game/gamewindow.h"
#include "menus/startwindow.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "players/records.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "tools/levelgen/pack.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <cstdio>

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Lets the windows lay out and paint, on a clock that really runs.
void settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

bool shoot(QWidget* w, const QString& path)
{
    settle();
    return w->grab().save(path);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovra_screenshots <out folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir game;
    const QString dir = game.path() + QLatin1Char('/');
    QDir().mkpath(dir + QStringLiteral("DATA"));
    if (!levelgen::writeLevels(dir + QStringLiteral("DATA"), {1}, 1, [](int, int) {}))
        return 1;
    // Anna at level 1, music off (the scratch folder has none).
    players::RosterRecord roster;
    roster.playerCount = 1;
    roster.slot(1) = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    if (!writeBytes(dir + QStringLiteral("players.dat"), players::encodeRoster(roster))
        || !writeBytes(dir + QStringLiteral("settings.dat"), QByteArray("\x01\x01\x00\x01", 4)))
        return 1;
    platform::setExeDir(dir);
    // The scratch folder has no music: the title piece's box is expected.
    platform::setMessageScript([](const platform::MessageRecord&) {});

    app::createWindows();
    startWindow->show();
    bool ok = shoot(startWindow, out + QStringLiteral("/start.png"));
    playerDialog->show();
    playerDialog->reload();
    playerDialog->playerList->setCurrentRow(0); // Anna chosen, OK ready
    playerDialog->selectionChanged();
    ok = ok && shoot(playerDialog, out + QStringLiteral("/players.png"));
    playerDialog->selectedPlayer = 1;
    playerDialog->hide();
    startWindow->hide();
    gameWindow->show();
    settle();
    for (int k = 0; k < 2 && gameWindow->regionsBuilt(); ++k) {
        platform::Shape* s = gameWindow->regions[size_t(k)][0];
        if (s->onMouseDown)
            s->onMouseDown(s, Qt::LeftButton);
    }
    ok = ok && shoot(gameWindow, out + QStringLiteral("/game.png"));
    gameWindow->hide();
    app::destroyWindows();
    return ok ? 0 : 1;
}
