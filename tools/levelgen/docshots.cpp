// kovra_docshots: the README's pictures, made from the real game window and
// the real level pack: a screenshot of a level in play and a contact sheet of
// one level of every theme.
#include "app/app.h"
#include "game/gamewindow.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "players/records.h"
#include "tools/levelgen/pack.h"
#include "tools/levelgen/themes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>

using namespace levelgen;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);

    // The contact sheet: the first visit of every theme.
    std::vector<Report> reports;
    for (int n = 1; n <= themeCount(); ++n)
        reports.push_back(validateLevel(generateLevel(n).record));
    if (!contactSheet(reports, 1).save(QDir(out).filePath(QStringLiteral("levels.png")))) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(QDir(out).filePath(QStringLiteral("levels.png"))));
        return 1;
    }

    // The game window on a Balaton level, two differences already found.
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("DATA"));
    platform::setExeDir(folder.path() + QLatin1Char('/'));
    const int shown = 2;
    // Stored under its own number and reached by the player, so the caption
    // over the pictures names the level they show.
    QFile level(levelPath(QDir(folder.path()).filePath(QStringLiteral("DATA")), shown));
    if (!level.open(QIODevice::WriteOnly) || level.write(generateLevel(shown).record) < 0)
        return 1;
    level.close();
    players::SettingsRecord settings; // no music: the pack ships none here
    settings.sound = false;
    settings.precise = true;
    settings.music = false;
    settings.shadow = false;
    QFile f(QDir(folder.path()).filePath(QStringLiteral("settings.dat")));
    if (!f.open(QIODevice::WriteOnly) || f.write(players::encodeSettings(settings)) < 0)
        return 1;
    f.close();
    auto program = std::make_unique<app::App>();
    program->buildAllWindows();
    GameWindow* game = program->gameWindow();
    players::PlayerRecord p = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    p.level = shown;
    p.helps = 2;
    program->players().roster = {};
    program->players().roster.playerCount = 1;
    program->players().roster.slot(1) = p;
    program->players().select(1);
    game->show();
    QApplication::processEvents();
    for (int k : {0, 2}) {
        platform::Shape* region = game->regions[std::size_t(k)][0];
        if (!region)
            continue;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), region->mapToGlobal(QPointF(10, 10)),
                          Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(region, &press);
    }
    QElapsedTimer clock; // let the game clock tick once, as a player sees it
    clock.start();
    while (clock.elapsed() < 1300)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const bool ok = game->grab().save(QDir(out).filePath(QStringLiteral("game-window.png")));
    game->hide();
    program.reset();
    platform::setExeDir(QString());
    std::printf("Wrote %s/levels.png and %s/game-window.png\n", qPrintable(out), qPrintable(out));
    return ok ? 0 : 1;
}
