// The shadow cursor and the caption-button guard.
#include "game/uMain.h"

#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/uOptions.h"

#include <QCheckBox>
#include <QCursor>
#include <QEnterEvent>
#include <QLabel>

using platform::Shape;

namespace {
bool shadowOn() { return settings::current().shadow; }
} // namespace

void TForm1::balkepMouseMove(QPoint p)
{
    if (!gameLive)
        guardHitTest(HTCLIENT);
    if (!shadowOn())
        return;
    Jelolo->show();
    Jelolo->move(p.x() + 552, p.y() + 49);
}

void TForm1::jobbkepMouseMove(QPoint p)
{
    if (!gameLive)
        guardHitTest(HTCLIENT);
    if (!shadowOn())
        return;
    Jelolo->show();
    Jelolo->move(p.x() + 66, p.y() + 49);
}

void TForm1::LeftShapeMouseMove(Shape* r, QPoint p)
{
    if (!shadowOn())
        return;
    Jelolo->show();
    Jelolo->move(r->x() + 486 + p.x() - 10, r->y() + p.y() - 10);
}

void TForm1::RightShapeMouseMove(Shape* r, QPoint p)
{
    if (!shadowOn())
        return;
    Jelolo->show();
    Jelolo->move(r->x() - 486 + p.x() - 10, r->y() + p.y() - 10);
}

void TForm1::Image1MouseMove()
{
    if (!gameLive)
        guardHitTest(HTCLIENT);
    if (shadowOn() && Jelolo->isVisible())
        Jelolo->hide();
}

void TForm1::FormActivate()
{
    // Activation and the guard come from different signals here: a window
    // activated while suspended stays suspended until the pointer returns,
    // so it can never be left frozen with its pictures hidden.
    if (!guardSuspended_)
        gameLive = true;
}

void TForm1::guardHitTest(int hit)
{
    const bool music = settings::current().music;
    if (gameLive && (hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON)) {
        Timer1->setEnabled(false);
        balkep->hide();
        jobbkep->hide();
        if (music && !rs.paused)
            MediaPlayer1.pause();
        setRegionsVisible(false);
        gameLive = false;
        guardSuspended_ = true;
        return;
    }
    // Without regions (a failed load, time up) there is no game to resume.
    if (!gameLive && hit == HTCLIENT && !rs.paused && lblkulonbseg->text() != QLatin1String("0")
        && regionsBuilt()) {
        Timer1->setEnabled(true);
        setRegionsVisible(true);
        balkep->show();
        jobbkep->show();
        if (music)
            MediaPlayer1.play();
        gameLive = true;
        guardSuspended_ = false;
    }
}

void TForm1::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && isMinimized())
        guardHitTest(HTMINBUTTON);
    else if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::enterEvent(QEnterEvent* e)
{
    QWidget::enterEvent(e);
    guardHitTest(HTCLIENT);
}

void TForm1::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    // The window manager draws the caption buttons; leaving through the top
    // edge towards them is the closest signal we get.
    if (mapFromGlobal(QCursor::pos()).y() < 0)
        guardHitTest(HTCLOSE);
}
