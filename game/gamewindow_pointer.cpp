// The shadow cursor and the caption-button guard.
#include "game/gamewindow.h"

#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"

#include <QCursor>
#include <QEnterEvent>
#include <QLabel>

using platform::Shape;

void GameWindow::pointerOnLeftPicture(QPoint p)
{
    if (!gameLive)
        guardHitTest(PointerInClient);
    if (!settings_.current().shadow)
        return;
    shadowCursor->show();
    shadowCursor->move(p.x() + 552, p.y() + 49);
}

void GameWindow::pointerOnRightPicture(QPoint p)
{
    if (!gameLive)
        guardHitTest(PointerInClient);
    if (!settings_.current().shadow)
        return;
    shadowCursor->show();
    shadowCursor->move(p.x() + 66, p.y() + 49);
}

void GameWindow::pointerOnLeftRegion(Shape* r, QPoint p)
{
    if (!settings_.current().shadow)
        return;
    shadowCursor->show();
    shadowCursor->move(r->x() + 486 + p.x() - 10, r->y() + p.y() - 10);
}

void GameWindow::pointerOnRightRegion(Shape* r, QPoint p)
{
    if (!settings_.current().shadow)
        return;
    shadowCursor->show();
    shadowCursor->move(r->x() - 486 + p.x() - 10, r->y() + p.y() - 10);
}

void GameWindow::pointerOnBackground()
{
    if (!gameLive)
        guardHitTest(PointerInClient);
    if (settings_.current().shadow && shadowCursor->isVisible())
        shadowCursor->hide();
}

void GameWindow::windowActivated()
{
    // Activation and the guard come from different signals here: a window
    // activated while suspended stays suspended until the pointer returns,
    // so it can never be left frozen with its pictures hidden.
    if (!guardSuspended_)
        gameLive = true;
}

void GameWindow::guardHitTest(int hit)
{
    const bool music = settings_.current().music;
    if (gameLive && (hit == PointerOnClose || hit == PointerOnMinimize || hit == PointerOnMaximize)) {
        round.setSuspended(true);
        leftPicture->hide();
        rightPicture->hide();
        if (music && !round.paused())
            levelMusic.pause();
        setRegionsVisible(false);
        gameLive = false;
        guardSuspended_ = true;
        return;
    }
    // Without regions (a failed load, time up) there is no game to resume.
    if (!gameLive && hit == PointerInClient && !round.paused() && !round.complete() && regionsBuilt()) {
        round.setSuspended(false);
        setRegionsVisible(true);
        leftPicture->show();
        rightPicture->show();
        if (music)
            levelMusic.play();
        gameLive = true;
        guardSuspended_ = false;
    }
}

void GameWindow::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && isMinimized())
        guardHitTest(PointerOnMinimize);
    else if (e->type() == QEvent::ActivationChange && isActiveWindow())
        windowActivated();
}

void GameWindow::enterEvent(QEnterEvent* e)
{
    QWidget::enterEvent(e);
    guardHitTest(PointerInClient);
}

void GameWindow::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    // The window manager draws the caption buttons; leaving through the top
    // edge towards them is the closest signal we get.
    if (mapFromGlobal(QCursor::pos()).y() < 0)
        guardHitTest(PointerOnClose);
}
