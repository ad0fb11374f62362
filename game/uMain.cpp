// The game window: construction of its controls and timers, and its
// window events. The behaviour lives in the uMain_*.cpp files.
#include "game/uMain.h"

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

LazyForm<TForm1> Form1;

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

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      levelData(std::make_unique<level::LevelRecord>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kovra2"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    setAutoFillBackground(true); // the face colour shows in the last pixel row
    platform::fixAndCentre(this, 1000, 701);
    buildControls();
    buildTimers();
}

TForm1::~TForm1() = default;

void TForm1::buildControls()
{
    using platform::arial;
    using platform::makeLabel;
    const auto left = Qt::AlignLeft | Qt::AlignTop;
    const auto centre = Qt::AlignHCenter | Qt::AlignTop;

    Image1 = picture(this, "Image1", {0, 0, 1000, 700}, ":/art/game_background.jpg");
    Image1->onMouseMove = [this](QPoint) { Image1MouseMove(); };
    balkep = picture(this, "balkep", {76, 59, 354, 482}, nullptr);
    jobbkep = picture(this, "jobbkep", {562, 59, 354, 482}, nullptr);
    balkep->setCursor(Qt::CrossCursor);
    jobbkep->setCursor(Qt::CrossCursor);
    balkep->onClick = [this] { platform::guard([this] { balkepClick(); }); };
    jobbkep->onClick = balkep->onClick;
    balkep->onMouseMove = [this](QPoint p) { balkepMouseMove(p); };
    jobbkep->onMouseMove = [this](QPoint p) { jobbkepMouseMove(p); };

    Shape1 = panel(this, "Shape1", {336, 640, 330, 49});
    Label1 = makeLabel(this, "Label1", {346, 652, 135, 16}, QString::fromUtf8("A két kép között még"), arial(13, true), Qt::AlignRight | Qt::AlignTop);
    Label2 = makeLabel(this, "Label2", {344, 668, 313, 16}, QString::fromUtf8("Keresd meg és kattints rájuk !"), arial(13, true), centre);
    Shape2 = panel(this, "Shape2", {672, 616, 289, 73});
    Label3 = makeLabel(this, "Label3", {752, 624, 185, 16}, QString::fromUtf8("Segítség"), arial(13, true), left);
    Label4 = makeLabel(this, "Label4", {522, 652, 135, 16}, QString::fromUtf8("apró különbség van."), arial(13, true), left);
    lblkulonbseg = makeLabel(this, "lblkulonbseg", {481, 643, 41, 24}, QStringLiteral("25"), arial(24, true), centre);
    Shape3 = panel(this, "Shape3", {112, 616, 217, 73});
    Gauge1 = new platform::Gauge(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setGeometry(192, 664, 129, 17);
    Gauge1->setMaxValue(100);
    Gauge1->setProgress(30);
    Label5 = makeLabel(this, "Label5", {193, 624, 40, 16}, QString::fromUtf8("Idő"), arial(13, true), left);
    lblora = makeLabel(this, "lblora", {192, 642, 65, 23}, QStringLiteral("00:00"), arial(19, true), left);
    Image2 = picture(this, "Image2", {678, 620, 60, 63}, ":/art/help_active.bmp");
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->onClick = [this] { platform::guard([this] { Image2Click(); }); };
    Label7 = makeLabel(this, "Label7", {752, 648, 205, 14}, QString::fromUtf8("Fejezd be minél hamarabb a"), arial(11), left);
    Label8 = makeLabel(this, "Label8", {752, 664, 205, 14}, QString::fromUtf8("pályát hogy segítséget kapj!"), arial(11), left);
    Image3 = picture(this, "Image3", {117, 624, 60, 55}, ":/art/clock.bmp");
    Image3->setCursor(Qt::PointingHandCursor);
    Image3->onClick = [this] { platform::guard([this] { Image3Click(); }); };
    nemaktiv_help = picture(this, "nemaktiv_help", {456, 408, 73, 73}, ":/art/help_inactive.bmp");
    nemaktiv_help->hide();
    aktiv_help = picture(this, "aktiv_help", {456, 488, 73, 73}, ":/art/help_active.bmp");
    aktiv_help->hide();
    Image4 = picture(this, "Image4", {282, 619, 41, 41}, ":/art/warning.bmp");
    Image4->hide();
    Shape4 = panel(this, "Shape4", {32, 616, 73, 73});
    Label6 = makeLabel(this, "Label6", {36, 624, 65, 16}, QStringLiteral("Szint"), arial(13, true), centre);
    Label9 = makeLabel(this, "Label9", {36, 641, 65, 39}, QStringLiteral("100"), arial(40, true), centre);
    Label10 = makeLabel(this, "Label10", {34, 640, 67, 39}, QStringLiteral("100"), arial(40, true), centre);
    Label10->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label10->installEventFilter(this);
    Image5 = picture(this, "Image5", {296, 192, 400, 210}, ":/art/pause_banner.jpg");
    Image5->setCursor(Qt::PointingHandCursor);
    Image5->onClick = Image3->onClick;
    Image5->hide();
    Shape5 = panel(this, "Shape5", {336, 616, 330, 22});
    Jelolo = new platform::Shape(this, platform::Shape::Circle);
    Jelolo->setObjectName(QStringLiteral("Jelolo"));
    Jelolo->setGeometry(976, 672, 20, 20);
    Jelolo->setPenColor(Qt::white);
    Jelolo->setPenWidth(2);
    Jelolo->setBrushStyle(platform::Shape::Clear);
    Jelolo->setAttribute(Qt::WA_TransparentForMouseEvents); // never steals a click
    Jelolo->hide();
}

void TForm1::buildTimers()
{
    auto make = [this](int ms, void (TForm1::*handler)()) {
        auto* t = new platform::Timer(this, ms);
        t->onTimer = [this, handler] { (this->*handler)(); };
        return t;
    };
    Timer1 = make(1000, &TForm1::Timer1Timer);
    buntimer = make(4000, &TForm1::buntimerTimer);
    DelayTimer = make(3000, &TForm1::DelayTimerTimer);
    villtimer = make(250, &TForm1::villtimerTimer);
    inActTimer = make(14000, &TForm1::inActTimerTimer);
    inActTimer2 = make(600, &TForm1::inActTimer2Timer);
}

void TForm1::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous()) // restoring from the task bar is no new showing
        platform::guard([this] { FormShow(); });
}

void TForm1::closeEvent(QCloseEvent* e)
{
    platform::guard([this] { FormClose(); });
    e->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Label10 && e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        platform::guard([&] { Label10MouseDown(me->button(), me->modifiers()); });
        return true;
    }
    return QWidget::eventFilter(watched, e);
}
