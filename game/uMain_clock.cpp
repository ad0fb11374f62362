// The clock, the miss penalty, pause, the idle reminder and help.
#include "game/uMain.h"

#include "game/timetext.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/uOptions.h"
#include "sound/soundchannel.h"

#include <QCheckBox>
#include <QLabel>

using platform::Shape;

void TForm1::Hang(const QString& name)
{
    if (settings::current().sound)
        sound::SoundChannel::instance().play(name);
}

void TForm1::Timer1Timer()
{
    --rs.timeLeft;
    if (rs.timeLeft == 4)
        Hang(QStringLiteral("ketyeg"));
    Gauge1->setProgress(rs.timeLeft);
    lblora->setText(timetext::mmss(rs.timeLeft));
    if (rs.timeLeft == 0)
        timeUp();
}

void TForm1::balkepClick()
{
    inActTimer->setEnabled(false);
    inActTimer->setEnabled(true);
    if (!Timer1->enabled())
        return;
    if (buntimer->enabled()) {
        if (rs.timeLeft > 5) {
            rs.timeLeft -= 5;
            if (settings::current().music) {
                MediaPlayer1.seek(MediaPlayer1.position() + 5000);
                MediaPlayer1.play();
            }
            Hang(QStringLiteral("nemjo"));
        } else {
            rs.timeLeft = 1;
        }
    }
    buntimer->setEnabled(true);
    villtimer->setEnabled(true);
}

void TForm1::buntimerTimer()
{
    villtimer->setEnabled(false);
    buntimer->setEnabled(false);
    Image4->hide();
}

void TForm1::villtimerTimer() { Image4->setVisible(!Image4->isVisible()); }

void TForm1::Image3Click()
{
    // After a failed load there is nothing to pause: the clock must stay
    // stopped and no region exists to hide or show.
    if (!regionsBuilt())
        return;
    rs.paused ^= 1;
    if (rs.paused) {
        Hang(QStringLiteral("pause"));
        if (settings::current().music)
            MediaPlayer1.pause();
    } else {
        Hang(QStringLiteral("pause_vege"));
        if (settings::current().music)
            MediaPlayer1.play();
    }
    CheckPause();
}

void TForm1::CheckPause()
{
    const bool v = !rs.paused;
    balkep->setVisible(v);
    jobbkep->setVisible(v);
    // A failed load leaves the clock stopped; only a built level runs it.
    Timer1->setEnabled(v && regionsBuilt());
    Image2->setEnabled(v);
    Image5->setVisible(rs.paused);
    setRegionsVisible(v);
}

void TForm1::inActTimerTimer()
{
    if (rs.helps > 0 && rs.timeLeft >= 5 && rs.paused == 0) {
        Shape2->setPenWidth(4);
        Shape2->setPenColor(Qt::white);
        inActTimer2->setEnabled(true);
        Hang(QStringLiteral("helppos"));
    }
}

void TForm1::inActTimer2Timer()
{
    Shape2->setPenWidth(1);
    Shape2->setPenColor(Qt::black);
    inActTimer2->setEnabled(false);
    inActTimer->setEnabled(true);
}

void TForm1::Image2Click()
{
    // After a failed load no region exists: spend nothing, search nothing.
    if (rs.helps > 0 && regionsBuilt() && rs.foundCount < diffCount()) {
        --rs.helps;
        for (int k = 1; k <= diffCount(); ++k) {
            Shape* left = diffShapes[k - 1][0];
            if (left->penStyle() != Shape::Solid) {
                left->setKind(Shape::RoundRect);
                ShapeMouseDown(left);
                break;
            }
        }
    }
    SegitsegKiiras();
}

void TForm1::SegitsegKiiras()
{
    // A bank of 100 or more needs nothing more, never a negative number.
    const int needed = qMax(0, 100 - int(rs.secondsBank));
    if (rs.helps > 0) {
        Image2->setPicture(aktiv_help->picture());
        Label3->setText(QString::fromUtf8("Segítség (%1 db)").arg(rs.helps));
        Label7->setText(QString::fromUtf8("Kattints a nagyítóra a segítségért!"));
        Label8->setText(QString::fromUtf8("A következő segítséghez még %1 mp kell.").arg(needed));
    } else {
        Image2->setPicture(nemaktiv_help->picture());
        Label3->setText(QString::fromUtf8("Segítség (nincs)"));
        Label7->setText(QString::fromUtf8("Még %1 másodpercet kell meghagynod").arg(needed));
        Label8->setText(QString::fromUtf8("a következő segítség érkezéséig."));
    }
}
