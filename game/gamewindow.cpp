// The game window: construction of its controls and timers, and its
// window events. The behaviour lives in the gamewindow_*.cpp files.
#include "game/gamewindow.h"

#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/shape.h"
#include "platform/timer.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
const QColor kPanelFill(210, 199, 193);

platform::Shape* panel(QWidget* parent, const char* name, QRect r)
{
    auto* s = new platform::Shape(parent, platform::Shape::RoundRect);
    s->setObjectName(QString::fromLatin1(name));
    s->setGeometry(r);
    s->setBrushColor(kPanelFill);
    return s;
}

platform::Image* picture(QWidget* parent, const char* name, QRect r, const char* resource)
{
    auto* i = new platform::Image(parent);
    i->setObjectName(QString::fromLatin1(name));
    i->setGeometry(r);
    if (resource)
        i->setPicture(QPixmap(QString::fromLatin1(resource)));
    return i;
}
} // namespace

GameWindow::GameWindow(players::PlayerStore& players, players::SettingsStore& settings, const game::LevelSet& levels,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      players_(players), settings_(settings), levels_(levels), levelData(std::make_unique<level::LevelRecord>())
{
    setObjectName(QStringLiteral("GameWindow"));
    setWindowTitle(QStringLiteral("Kovra2"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    setAutoFillBackground(true); // the face colour shows in the last pixel row
    platform::fixAndCentre(this, 1000, 701);
    buildControls();
    buildTimers();
}

GameWindow::~GameWindow() = default;

void GameWindow::buildControls()
{
    using platform::arial;
    using platform::makeLabel;
    const auto left = Qt::AlignLeft | Qt::AlignTop;
    const auto centre = Qt::AlignHCenter | Qt::AlignTop;

    background = picture(this, "background", {0, 0, 1000, 700}, ":/art/game_background.jpg");
    background->onMouseMove = [this](QPoint) { pointerOnBackground(); };
    leftPicture = picture(this, "leftPicture", {76, 59, 354, 482}, nullptr);
    rightPicture = picture(this, "rightPicture", {562, 59, 354, 482}, nullptr);
    leftPicture->setCursor(Qt::CrossCursor);
    rightPicture->setCursor(Qt::CrossCursor);
    leftPicture->onClick = [this] { platform::guard([this] { pictureClicked(); }); };
    rightPicture->onClick = leftPicture->onClick;
    leftPicture->onMouseMove = [this](QPoint p) { pointerOnLeftPicture(p); };
    rightPicture->onMouseMove = [this](QPoint p) { pointerOnRightPicture(p); };

    countPanel = panel(this, "countPanel", {336, 640, 330, 49});
    countTextBefore = makeLabel(this, "countTextBefore", {346, 652, 135, 16}, QString::fromUtf8("A két kép között még"), arial(13, true), Qt::AlignRight | Qt::AlignTop);
    findHint = makeLabel(this, "findHint", {344, 668, 313, 16}, QString::fromUtf8("Keresd meg és kattints rájuk !"), arial(13, true), centre);
    helpPanel = panel(this, "helpPanel", {672, 616, 289, 73});
    helpTitle = makeLabel(this, "helpTitle", {752, 624, 185, 16}, QString::fromUtf8("Segítség"), arial(13, true), left);
    countTextAfter = makeLabel(this, "countTextAfter", {522, 652, 135, 16}, QString::fromUtf8("apró különbség van."), arial(13, true), left);
    remainingLabel = makeLabel(this, "remainingLabel", {481, 643, 41, 24}, QStringLiteral("25"), arial(24, true), centre);
    clockPanel = panel(this, "clockPanel", {112, 616, 217, 73});
    timeBar = new platform::Gauge(this);
    timeBar->setObjectName(QStringLiteral("timeBar"));
    timeBar->setGeometry(192, 664, 129, 17);
    timeBar->setMaxValue(100);
    timeBar->setProgress(30);
    timeCaption = makeLabel(this, "timeCaption", {193, 624, 40, 16}, QString::fromUtf8("Idő"), arial(13, true), left);
    clockLabel = makeLabel(this, "clockLabel", {192, 642, 65, 23}, QStringLiteral("00:00"), arial(19, true), left);
    helpButton = picture(this, "helpButton", {678, 620, 60, 63}, ":/art/help_active.bmp");
    helpButton->setCursor(Qt::PointingHandCursor);
    helpButton->onClick = [this] { platform::guard([this] { useHelp(); }); };
    helpLine1 = makeLabel(this, "helpLine1", {752, 648, 205, 14}, QString::fromUtf8("Fejezd be minél hamarabb a"), arial(11), left);
    helpLine2 = makeLabel(this, "helpLine2", {752, 664, 205, 14}, QString::fromUtf8("pályát hogy segítséget kapj!"), arial(11), left);
    pauseButton = picture(this, "pauseButton", {117, 624, 60, 55}, ":/art/clock.bmp");
    pauseButton->setCursor(Qt::PointingHandCursor);
    pauseButton->onClick = [this] { platform::guard([this] { togglePause(); }); };
    helpOffPicture = picture(this, "helpOffPicture", {456, 408, 73, 73}, ":/art/help_inactive.bmp");
    helpOffPicture->hide();
    helpOnPicture = picture(this, "helpOnPicture", {456, 488, 73, 73}, ":/art/help_active.bmp");
    helpOnPicture->hide();
    warningSign = picture(this, "warningSign", {282, 619, 41, 41}, ":/art/warning.bmp");
    warningSign->hide();
    levelPanel = panel(this, "levelPanel", {32, 616, 73, 73});
    levelCaption = makeLabel(this, "levelCaption", {36, 624, 65, 16}, QStringLiteral("Szint"), arial(13, true), centre);
    levelNumberShadow = makeLabel(this, "levelNumberShadow", {36, 641, 65, 39}, QStringLiteral("100"), arial(40, true), centre);
    levelNumber = makeLabel(this, "levelNumber", {34, 640, 67, 39}, QStringLiteral("100"), arial(40, true), centre);
    levelNumber->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    levelNumber->installEventFilter(this);
    pauseBanner = picture(this, "pauseBanner", {296, 192, 400, 210}, ":/art/pause_banner.jpg");
    pauseBanner->setCursor(Qt::PointingHandCursor);
    pauseBanner->onClick = pauseButton->onClick;
    pauseBanner->hide();
    messagePanel = panel(this, "messagePanel", {336, 616, 330, 22});
    shadowCursor = new platform::Shape(this, platform::Shape::Circle);
    shadowCursor->setObjectName(QStringLiteral("shadowCursor"));
    shadowCursor->setGeometry(976, 672, 20, 20);
    shadowCursor->setPenColor(Qt::white);
    shadowCursor->setPenWidth(2);
    shadowCursor->setBrushStyle(platform::Shape::Clear);
    shadowCursor->setAttribute(Qt::WA_TransparentForMouseEvents); // never steals a click
    shadowCursor->hide();
}

void GameWindow::buildTimers()
{
    auto make = [this](int ms, void (GameWindow::*handler)()) {
        auto* t = new platform::Timer(this, ms);
        t->onTimer = [this, handler] { (this->*handler)(); };
        return t;
    };
    completionDelay = make(3000, &GameWindow::completeLevel);
    warningBlinkTimer = make(250, &GameWindow::warningBlink);
    idleTimer = make(14000, &GameWindow::idleReminder);
    idleFlashTimer = make(600, &GameWindow::idleFlashOver);
    connect(&round, &game::Round::ticked, this, &GameWindow::showClock);
    connect(&round, &game::Round::warning, this, [this] { playEffect(QStringLiteral("ketyeg")); });
    connect(&round, &game::Round::timeUp, this, &GameWindow::timeUp);
    connect(&round, &game::Round::penalised, this, &GameWindow::penalised);
    connect(&round, &game::Round::penaltyWindowClosed, this, &GameWindow::penaltyOver);
    connect(&round, &game::Round::found, this, &GameWindow::differenceFound);
    connect(&round, &game::Round::completed, this, &GameWindow::roundCompleted);
}

void GameWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous()) // restoring from the task bar is no new showing
        platform::guard([this] { startPlaying(); });
}

void GameWindow::closeEvent(QCloseEvent* e)
{
    platform::guard([this] { closeGame(); });
    e->accept();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == levelNumber && e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        platform::guard([&] { levelNumberPressed(me->button(), me->modifiers()); });
        return true;
    }
    return QWidget::eventFilter(watched, e);
}
