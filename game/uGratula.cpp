#include "game/uGratula.h"

#include "game/timetext.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "players/dialogstyle.h"
#include "players/uPlayerSelect.h"
#include "sound/soundchannel.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

LazyForm<TForm6> Form6;

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QString::fromUtf8("Végigjátszottad a játékot!"));
    dialogstyle::setDialogFrame(this, false); // no caption buttons, as the other result windows
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // only the button ends the celebration
    setFont(windowFont());
    fixAndCentre(this, 850, 583);
    Image1 = new Image(this);
    Image1->setGeometry(0, 0, 850, 582);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/gratula_background.jpg")));
    Label4 = makeAutoLabel(this, "Label4", {104, 192}, QString::fromUtf8("„Két kép, egy világ: aki türelmesen néz,"), arial(13, true));
    Label5 = makeAutoLabel(this, "Label5", {128, 208}, QString::fromUtf8("annak a legapróbb eltérés is mesél.”"), arial(13, true));
    Label6 = makeAutoLabel(this, "Label6", {328, 224}, QString::fromUtf8("(a Kovra 2 készítői)"), arial(13, false, true));
    Label1 = makeAutoLabel(this, "Label1", {104, 296}, QString::fromUtf8("Sikeresen teljesítetted az összes szintet!"), arial(19, true));
    Label2 = makeAutoLabel(this, "Label2", {104, 336}, QString::fromUtf8("A játék befejezéséhez szükséges összes időd: "), arial(13));
    Label3 = makeAutoLabel(this, "Label3", {384, 337}, QStringLiteral("00:00"), arial(13, true));
    Button1 = makeButton(this, "Button1", {104, 456, 185, 41}, QString::fromUtf8("Vissza a főmenübe"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm6::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { FormShow(); });
}

void TForm6::FormShow()
{
    // The tune plays whatever the sound setting says.
    sound::SoundChannel::instance().play(QStringLiteral("endgame"), true);
    Label3->setText(timetext::longForm(Form3->currentPlayer().totalSeconds));
    Label3->adjustSize();
}

void TForm6::FormClose() { sound::SoundChannel::instance().stop(); }

void TForm6::Button1Click() { accept(); }

void TForm6::done(int r)
{
    FormClose();
    QDialog::done(r);
}
