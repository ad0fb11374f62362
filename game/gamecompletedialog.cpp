#include "game/gamecompletedialog.h"

#include "game/timetext.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/dialogstyle.h"
#include "sound/soundchannel.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

GameCompleteDialog::GameCompleteDialog(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("GameCompleteDialog"));
    setWindowTitle(QString::fromUtf8("Végigjátszottad a játékot!"));
    dialogstyle::setDialogFrame(this, false); // no caption buttons, as the other result windows
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // only the button ends the celebration
    setFont(windowFont());
    fixAndCentre(this, 850, 583);
    background = new Image(this);
    background->setGeometry(0, 0, 850, 582);
    background->setPicture(QPixmap(QStringLiteral(":/art/gratula_background.jpg")));
    quoteLine1 = makeAutoLabel(this, "quoteLine1", {104, 192}, QString::fromUtf8("„Két kép, egy világ: aki türelmesen néz,"), arial(13, true));
    quoteLine2 = makeAutoLabel(this, "quoteLine2", {128, 208}, QString::fromUtf8("annak a legapróbb eltérés is mesél.”"), arial(13, true));
    quoteAuthor = makeAutoLabel(this, "quoteAuthor", {328, 224}, QString::fromUtf8("(a Kovra 2 készítői)"), arial(13, false, true));
    heading = makeAutoLabel(this, "heading", {104, 296}, QString::fromUtf8("Sikeresen teljesítetted az összes szintet!"), arial(19, true));
    totalTimeCaption = makeAutoLabel(this, "totalTimeCaption", {104, 336}, QString::fromUtf8("A játék befejezéséhez szükséges összes időd: "), arial(13));
    totalTimeLabel = makeAutoLabel(this, "totalTimeLabel", {384, 337}, QStringLiteral("00:00"), arial(13, true));
    backButton = makeButton(this, "backButton", {104, 456, 185, 41}, QString::fromUtf8("Vissza a főmenübe"));
    connect(backButton, &QPushButton::clicked, this, [this] { backClicked(); });
}

void GameCompleteDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { startTune(); });
}

void GameCompleteDialog::startTune()
{
    // The tune plays whatever the sound setting says.
    sound::SoundChannel::instance().play(QStringLiteral("endgame"), true);
    totalTimeLabel->setText(timetext::longForm(totalSeconds_));
    totalTimeLabel->adjustSize();
}

void GameCompleteDialog::setTotalSeconds(int seconds) { totalSeconds_ = seconds; }

void GameCompleteDialog::stopTune() { sound::SoundChannel::instance().stop(); }

void GameCompleteDialog::backClicked() { accept(); }

void GameCompleteDialog::done(int r)
{
    stopTune();
    QDialog::done(r);
}
