#include "game/leveldonedialog.h"

#include "game/levelresult.h"
#include "game/timetext.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "platform/dialogstyle.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

LevelDoneDialog::LevelDoneDialog(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("LevelDoneDialog"));
    setWindowTitle(QString::fromUtf8("Gratulálunk! :-)"));
    dialogstyle::setDialogFrame(this, false);
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // the buttons alone decide how the level goes on
    setFont(windowFont());
    fixAndCentre(this, 400, 533);
    background = new Image(this);
    background->setGeometry(0, 0, 401, 534);
    background->setPicture(QPixmap(QStringLiteral(":/art/boardok_background.jpg")));
    thumbnailMount = new Shape(this, Shape::Rectangle); // white mount with a black edge
    thumbnailMount->setGeometry(210, 49, 137, 181);
    leftThumbnail = new Image(this);
    leftThumbnail->setGeometry(218, 57, 121, 164);
    leftThumbnail->setStretch(true);
    rightThumbnail = new Image(this);
    rightThumbnail->setGeometry(218, 57, 121, 164);
    rightThumbnail->setStretch(true);
    rightThumbnail->hide();
    heading = makeLabel(this, "heading", QRect(48, 256, 305, 32), QString::fromUtf8("Gratulálunk!"), arial(27, true), Qt::AlignHCenter | Qt::AlignTop);
    subheading = makeAutoLabel(this, "subheading", QPoint(96, 288), QString::fromUtf8("Megtaláltad az összes különbséget!"), arial(13));
    usedTimeCaption = makeAutoLabel(this, "usedTimeCaption", QPoint(48, 328), QString::fromUtf8("Összes felhasznált idő: "), arial(13));
    usedTimeLabel = makeAutoLabel(this, "usedTimeLabel", QPoint(192, 328), QStringLiteral("00:00"), arial(13, true));
    timeLeftCaption = makeAutoLabel(this, "timeLeftCaption", QPoint(48, 352), QString::fromUtf8("Megmaradt idő:"), arial(13));
    timeLeftLabel = makeAutoLabel(this, "timeLeftLabel", QPoint(192, 352), QStringLiteral("00:00"), arial(13, true));
    attemptsCaption = makeAutoLabel(this, "attemptsCaption", QPoint(48, 376), QString::fromUtf8("Próbálkozások száma: "), arial(13));
    attemptsLabel = makeAutoLabel(this, "attemptsLabel", QPoint(192, 376), QStringLiteral("1"), arial(13, true));
    awardLabel = makeLabel(this, "awardLabel", QRect(48, 408, 305, 16), QString::fromUtf8("A következő segítséghez még XX maradék másodperc kell."), arial(11));
    nextButton = makeButton(this, "nextButton", QRect(48, 440, 177, 33), QString::fromUtf8("Következő pálya"));
    nextButton->setDefault(true);
    saveAndQuitButton = makeButton(this, "saveAndQuitButton", QRect(240, 440, 105, 33), QString::fromUtf8("Mentés és kilépés"));
    connect(nextButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(saveAndQuitButton, &QPushButton::clicked, this, &QDialog::reject);
    blinkTimer = new Timer(this, 1000);
    blinkTimer->onTimer = [this] { blinkTick(); };
    blinkTimer->setEnabled(true);
}

void LevelDoneDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { restartBlink(); });
}

void LevelDoneDialog::restartBlink() { blinkTimer->setEnabled(true); }

void LevelDoneDialog::blinkTick()
{
    const bool leftShown = leftThumbnail->isVisible();
    rightThumbnail->setVisible(leftShown);
    leftThumbnail->setVisible(!leftShown);
}

void LevelDoneDialog::showResult(const game::LevelResult& r)
{
    usedTimeLabel->setText(timetext::mmss(r.levelSeconds));
    usedTimeLabel->adjustSize();
    leftThumbnail->setPicture(r.leftPicture);
    rightThumbnail->setPicture(r.rightPicture);
    timeLeftLabel->setText(r.timeLeftText);
    timeLeftLabel->adjustSize();
    nextButton->setText(QString::fromUtf8(r.more ? "Következő pálya" : "Játék befejezése"));
    saveAndQuitButton->setVisible(r.more);
    attemptsLabel->setText(QString::number(r.attempts));
    attemptsLabel->adjustSize();
    if (!r.more)
        awardLabel->setText(QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"));
    else if (r.award.firstTry)
        awardLabel->setText(QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!"));
    else if (r.award.fromBank)
        awardLabel->setText(QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!"));
    else
        awardLabel->setText(QString::fromUtf8("A következő segítséghez még %1 maradék másodperc kell.")
                                .arg(qMax(0, 100 - r.award.secondsBank)));
}
