// The end of an attempt: level completed, time up, window closed, and the
// hidden level jump.
#include "game/uMain.h"

#include "game/timetext.h"
#include "game/uBoardFail.h"
#include "game/uBoardOK.h"
#include "game/uGratula.h"
#include "menus/uCheat.h"
#include "menus/uStarter.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/quitsignals.h"
#include "platform/timer.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <limits>

int TForm1::usedSeconds() const { return Gauge1->maxValue() - Gauge1->progress(); }

namespace {
// Adds an attempt's seconds to a stored time; a damaged record near the top
// of the range stays there instead of wrapping to a negative time.
void addSeconds(std::int32_t& stored, int used)
{
    stored = std::int32_t(qMin<qint64>(qint64(stored) + used, std::numeric_limits<std::int32_t>::max()));
}
} // namespace

void TForm1::musicStop()
{
    if (settings::current().music)
        MediaPlayer1.stop();
}

void TForm1::leaveToStart()
{
    hide();
    showStartWindow();
}

void TForm1::showStartWindow()
{
    // At the program's end the start window would only open its music and
    // read the settings for nothing.
    if (!platform::shuttingDown())
        Form2->show();
}

void TForm1::JatekosEredmenyMent()
{
    players::PlayerRecord& p = Form3->currentPlayer();
    p.level = rs.level;
    p.helps = rs.helps;
    p.attempts = rs.attempts;
    p.secondsBank = rs.secondsBank;
    Form3->FajlIr();
}

void TForm1::DelayTimerTimer()
{
    DelayTimer->setEnabled(false);
    Image2->setEnabled(true);
    Image3->setEnabled(true);
    if (accounted_) // the window was closed during the wait: already counted
        return;
    accounted_ = true;
    AlakzatLebontas();
    players::PlayerRecord& p = Form3->currentPlayer();
    const int used = usedSeconds();
    addSeconds(p.totalSeconds, used);
    addSeconds(p.levelSeconds, used);
    Form4->Label6->setText(timetext::mmss(p.levelSeconds));
    Form4->Label6->adjustSize();
    Form4->Image2->setPicture(balkep->picture());
    Form4->Image3->setPicture(jobbkep->picture());
    Form4->Label7->setText(lblora->text());
    Form4->Label7->adjustSize();
    ++rs.level;
    const bool more = rs.level <= 100;
    Form4->Button1->setText(QString::fromUtf8(more ? "Következő pálya" : "Játék befejezése"));
    Form4->Button2->setVisible(more);
    Form4->lblproba->setText(QString::number(rs.attempts));
    Form4->lblproba->adjustSize();
    const bool firstTry = rs.attempts == 1;
    rs.attempts = 0;
    // At most one token per level; the bank is summed wide and kept in its byte.
    bool bankAward = false;
    if (firstTry) {
        rs.helps = std::uint8_t(qMin(255, rs.helps + 1));
    } else {
        int bank = rs.secondsBank + Gauge1->progress();
        if (bank >= 100) {
            rs.helps = std::uint8_t(qMin(255, rs.helps + 1));
            bank -= 100;
            bankAward = true;
        }
        rs.secondsBank = std::uint8_t(qMin(255, bank));
    }
    // A failed save (a full disk) is reported; the player still sees the
    // result and may go on, and the next save tries again.
    platform::guard([this] { JatekosEredmenyMent(); });
    if (firstTry)
        Form4->Label5->setText(QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!"));
    else if (bankAward)
        Form4->Label5->setText(QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!"));
    else
        Form4->Label5->setText(QString::fromUtf8("A következő segítséghez még %1 maradék másodperc kell.")
                                   .arg(qMax(0, 100 - int(rs.secondsBank))));
    if (!more)
        Form4->Label5->setText(QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"));
    balkep->hide();
    jobbkep->hide();
    musicStop();
    Hang(QStringLiteral("palya_ok"));
    const int result = platform::showModal(Form4);
    p.levelSeconds = 0;
    platform::guard([this] { JatekosEredmenyMent(); });
    if (result == platform::mrOk) {
        if (rs.level == 101) {
            platform::showModal(Form6);
            leaveToStart();
        } else {
            SzintFeltolt(rs.level);
        }
    } else {
        musicStop();
        leaveToStart();
    }
}

void TForm1::timeUp()
{
    Timer1->setEnabled(false);
    inActTimer->setEnabled(false);
    accounted_ = true;
    AlakzatLebontas();
    Form5->Label2->setText(QString::fromUtf8("Még %1 különbséget kellett volna megtalálni.").arg(lblkulonbseg->text()));
    balkep->hide();
    jobbkep->hide();
    Hang(QStringLiteral("palya_fail"));
    players::PlayerRecord& p = Form3->currentPlayer();
    const int used = usedSeconds();
    addSeconds(p.totalSeconds, used);
    addSeconds(p.levelSeconds, used);
    platform::guard([this] { JatekosEredmenyMent(); }); // a failed save still offers the retry
    musicStop();
    if (platform::showModal(Form5) == platform::mrOk)
        SzintFeltolt(rs.level);
    else
        leaveToStart();
}

void TForm1::FormClose()
{
    DelayTimer->setEnabled(false); // a completion still waiting is abandoned
    // A level that failed to load has no clock: the time bar still shows
    // an earlier level's (or its initial) state, which is no time played.
    if (!accounted_ && regionsBuilt())
        addSeconds(Form3->currentPlayer().levelSeconds, usedSeconds());
    accounted_ = true;
    // A failed save is reported; the rest of the close still runs.
    platform::guard([this] { JatekosEredmenyMent(); });
    AlakzatLebontas();
    QFile::remove(platform::writeFile(QStringLiteral("BAL.BMP")));
    QFile::remove(platform::writeFile(QStringLiteral("JOBB.BMP")));
    Timer1->setEnabled(false);
    inActTimer->setEnabled(false);
    musicStop();
    showStartWindow();
}

void TForm1::Label10MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (button != Qt::RightButton || (mods & all) != all)
        return;
    if (platform::showModal(Form7) != platform::mrOk)
        return;
    // The clock may have run out behind the dialog and the player may have
    // left the game meanwhile: a hidden window loads nothing.
    if (!isVisible())
        return;
    AlakzatLebontas();
    SzintFeltolt(rs.jumpLevel);
}
