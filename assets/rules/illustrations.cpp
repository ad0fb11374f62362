#include "illustrations.h"

#include "dovescene.h"

#include "app/forms.h"
#include "game/uMain.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"

#include <QCheckBox>
#include <QDir>

namespace rules {

namespace {

// The grab at the screen's pixel ratio; the caller scales it to the page.
QImage shot(QWidget* w, const QRect& r) { return w->grab(r).toImage(); }

// A square of `size` window pixels around a point of a level picture.
QRect cropOf(const QWidget* picture, QPoint centre, int size)
{
    const QPoint c = picture->geometry().topLeft() + centre;
    return QRect(c - QPoint(size / 2, size / 2), QSize(size, size));
}

} // namespace

GameShots takeGameShots(const QString& scratchDir)
{
    platform::VirtualClock::activate(); // nothing ticks while we pose the game
    platform::setExeDir(scratchDir);
    const LevelScene scene = doveScene();
    QDir(scratchDir).mkpath(QStringLiteral("DATA"));
    level::writeLevelFile(platform::exeDir() + QStringLiteral("DATA/001.DAT"), scene.left, scene.right,
                          scene.points, scene.marker);

    app::createForms();
    for (QCheckBox* box : {Form8->chkSound, Form8->chkMusic, Form8->chkPrecise, Form8->chkShadow})
        box->setChecked(false);
    players::PlayerRecord anna = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    anna.helps = 1;
    anna.secondsBank = 45; // 55 seconds to the next token
    Form3->roster.playerCount = 1;
    Form3->roster.slot(1) = anna;
    Form3->selectedPlayer = 1;
    Form1->rs.helps = anna.helps;
    Form1->rs.secondsBank = anna.secondsBank;
    Form1->rs.attempts = 0;
    Form1->SzintFeltolt(1);

    // Three differences found, the clock at 01:12.
    for (int k : {Sprig, Poppy, Cloud})
        Form1->ShapeMouseDown(Form1->diffShapes[size_t(k)][0]);
    Form1->rs.timeLeft = 73;
    Form1->Timer1Timer();

    GameShots s;
    s.window = shot(Form1, Form1->rect());
    s.timeAndDiffs = shot(Form1, QRect(QPoint(108, 612), QPoint(669, 692)));
    s.helpPanel = shot(Form1, QRect(QPoint(668, 612), QPoint(964, 692)));
    // The dove's head with the twig (right picture), and the poppy (left).
    s.crops[0] = shot(Form1, cropOf(Form1->jobbkep, scene.points[Sprig] + QPoint(14, -4), 104));
    s.crops[1] = shot(Form1, cropOf(Form1->balkep, scene.points[Poppy] + QPoint(-6, -6), 104));

    Form1->Image3Click(); // pause
    s.pauseBanner = shot(Form1, Form1->Image5->geometry());
    Form1->Image3Click();

    // A wrong click with 20 seconds left: the badge blinks beside the clock.
    Form1->rs.timeLeft = 21;
    Form1->Timer1Timer();
    Form1->balkepClick();
    Form1->villtimerTimer();
    s.timeWarning = shot(Form1, QRect(QPoint(108, 612), QPoint(332, 692)));

    app::destroyForms();
    platform::setExeDir(QString());
    platform::VirtualClock::deactivate();
    return s;
}

} // namespace rules
