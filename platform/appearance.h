#pragma once
// What keeps the windows looking as designed on any desktop: their own
// colours, Qt's stock texts in Hungarian.
#include <QColor>
#include <QSize>

class QWidget;

namespace platform {

// The layouts' ink: the system window-text colour they were drawn with.
inline QColor layoutInk() { return QColor(0, 0, 0); }

// Gives `window` a fixed light palette with `ink` as its text colour. Our
// windows are paper, parchment and photographs: a dark desktop scheme would
// leave light text on them. Controls inside inherit it.
void useFixedPalette(QWidget* window, const QColor& ink = layoutInk());

// The factor (at most 1) by which a window of `client` size, with a frame of
// `frame` around it, must shrink to fit `available`.
qreal fitScale(QSize available, QSize client, QSize frame);
// The largest window's client area in each direction (the game window's
// width, the about window's height) and the room a desktop's frame takes.
inline QSize largestClient() { return QSize(1000, 726); }
inline QSize frameAllowance() { return QSize(12, 44); }
// The QT_SCALE_FACTOR that shrinks windows by `fit` on a screen whose pixel
// ratio is `screenRatio` (the desktop's scale times `current`, the factor in
// force), never below one device pixel per layout pixel: Qt draws widgets
// wrongly there. 0 when nothing can shrink.
qreal shrunkScaleFactor(qreal current, qreal screenRatio, qreal fit);
// When the largest window would not fit the primary screen's free area, the
// program starts itself again scaled down (QT_SCALE_FACTOR) so every window
// fits with its layout whole, as far as the screen is scaled at all; returns when nothing needs doing, and in the
// restarted program, where it puts the desktop's own setting back for the
// programs the game starts. Call right after the application is made, before
// anything else is opened.
void fitWindowsToScreen(char** argv);

// Loads Qt's Hungarian translation (context menus, standard buttons), once
// per process; false when it could not be loaded.
bool setupStockTexts();

} // namespace platform
