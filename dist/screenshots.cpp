// kovra_screenshots <out folder>: pictures of the real windows drawn off
// screen, for the AppStream metainfo (start, players, game) and the manual
// (the rest): the start window, the player window, level 1 with two
// differences found, after a wrong click, with a help used and paused, the
// settings, the rules, the level-completed and the time-is-up windows.
// Level 1 is made by the level generator in a scratch game folder; nothing
// else is read.
#include "app/forms.h"
#include "game/uBoardFail.h"
#include "game/uBoardOK.h"
#include "game/uMain.h"
#include "menus/uRules.h"
#include "menus/uStarter.h"
#include "platform/image.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "players/records.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"
#include "tools/levelgen/pack.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
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

// Runs the event loop for `ms` milliseconds of real time (the game's timers
// and the modal windows they open run meanwhile).
void runFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
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
    roster.slot(1).helps = 2; // so the help picture has one to use
    if (!writeBytes(dir + QStringLiteral("players.dat"), players::encodeRoster(roster))
        || !writeBytes(dir + QStringLiteral("settings.dat"), QByteArray("\x01\x01\x00\x01", 4)))
        return 1;
    platform::setExeDir(dir);
    // The scratch folder has no music: the title piece's box is expected.
    platform::setMessageScript([](const platform::MessageRecord&) {});

    app::createForms();
    Form2->show();
    bool ok = shoot(Form2, out + QStringLiteral("/start.png"));
    Form3->show();
    Form3->FormShow();
    Form3->ListBox1->setCurrentRow(0); // Anna chosen, OK ready
    Form3->ListBox1Click();
    ok = ok && shoot(Form3, out + QStringLiteral("/players.png"));
    Form3->selectedPlayer = 1;
    Form3->hide();
    Form2->hide();
    Form1->show();
    settle();
    const auto find = [](int k) {
        platform::Shape* s = Form1->diffShapes[size_t(k)][0];
        if (s && s->onMouseDown)
            s->onMouseDown(s, Qt::LeftButton);
    };
    for (int k = 0; k < 2 && Form1->regionsBuilt(); ++k)
        find(k);
    ok = ok && shoot(Form1, out + QStringLiteral("/game.png"));
    // The manual's pictures from here on.
    Form1->balkepClick(); // a wrong click: the warning by the clock, which blinks
    QElapsedTimer blink;
    blink.start();
    while (!Form1->Image4->isVisible() && blink.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ok = ok && Form1->grab().save(out + QStringLiteral("/game-miss.png"));
    runFor(4500); // the warning passes
    Form1->Image2Click(); // a help token shows a difference
    ok = ok && shoot(Form1, out + QStringLiteral("/game-help.png"));
    Form1->Image3Click(); // the clock clicked: paused
    ok = ok && shoot(Form1, out + QStringLiteral("/game-pause.png"));
    Form1->Image3Click();
    Form8->show();
    ok = ok && shoot(Form8, out + QStringLiteral("/settings.png"));
    Form8->hide();
    Form9->show();
    Form9->Megjelenit(2);
    ok = ok && shoot(Form9, out + QStringLiteral("/rules.png"));
    Form9->hide();
    // The end windows come as modal windows: pictured while they are shown,
    // then left with "Mentés és kilépés".
    QString ending;
    platform::setModalScript([&](QWidget* w) {
        if (!ending.isEmpty())
            ok = shoot(w, out + QLatin1Char('/') + ending) && ok;
        ending.clear();
        return int(platform::mrCancel);
    });
    ending = QStringLiteral("level-completed.png");
    for (int k = 0; k < level::kMaxDiffs && Form1->regionsBuilt(); ++k)
        find(k);
    runFor(6000);
    ok = ok && ending.isEmpty();
    Form1->show();
    Form1->SzintFeltolt(1);
    settle();
    ending = QStringLiteral("time-up.png");
    Form1->timeUp();
    ok = ok && ending.isEmpty();
    platform::setModalScript(nullptr);
    Form1->hide();
    app::destroyForms();
    return ok ? 0 : 1;
}
