#include "game/uBoardOK.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/dialogstyle.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

LazyForm<TForm4> Form4;

TForm4::TForm4(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QString::fromUtf8("Gratulálunk! :-)"));
    dialogstyle::setDialogFrame(this, false);
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // the buttons alone decide how the level goes on
    setFont(windowFont());
    fixAndCentre(this, 400, 533);
    Image1 = new Image(this);
    Image1->setGeometry(0, 0, 401, 534);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/boardok_background.jpg")));
    Shape1 = new Shape(this, Shape::Rectangle); // white mount with a black edge
    Shape1->setGeometry(210, 49, 137, 181);
    Image2 = new Image(this);
    Image2->setGeometry(218, 57, 121, 164);
    Image2->setStretch(true);
    Image3 = new Image(this);
    Image3->setGeometry(218, 57, 121, 164);
    Image3->setStretch(true);
    Image3->hide();
    Label1 = makeLabel(this, "Label1", QRect(48, 256, 305, 32), QString::fromUtf8("Gratulálunk!"), arial(27, true), Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeAutoLabel(this, "Label2", QPoint(96, 288), QString::fromUtf8("Megtaláltad az összes különbséget!"), arial(13));
    Label3 = makeAutoLabel(this, "Label3", QPoint(48, 328), QString::fromUtf8("Összes felhasznált idő: "), arial(13));
    Label6 = makeAutoLabel(this, "Label6", QPoint(192, 328), QStringLiteral("00:00"), arial(13, true));
    Label4 = makeAutoLabel(this, "Label4", QPoint(48, 352), QString::fromUtf8("Megmaradt idő:"), arial(13));
    Label7 = makeAutoLabel(this, "Label7", QPoint(192, 352), QStringLiteral("00:00"), arial(13, true));
    Label8 = makeAutoLabel(this, "Label8", QPoint(48, 376), QString::fromUtf8("Próbálkozások száma: "), arial(13));
    lblproba = makeAutoLabel(this, "lblproba", QPoint(192, 376), QStringLiteral("1"), arial(13, true));
    Label5 = makeLabel(this, "Label5", QRect(48, 408, 305, 16), QString::fromUtf8("A következő segítséghez még XX maradék másodperc kell."), arial(11));
    Button1 = makeButton(this, "Button1", QRect(48, 440, 177, 33), QString::fromUtf8("Következő pálya"));
    Button1->setDefault(true);
    Button2 = makeButton(this, "Button2", QRect(240, 440, 105, 33), QString::fromUtf8("Mentés és kilépés"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    Timer1 = new Timer(this, 1000);
    Timer1->onTimer = [this] { Timer1Timer(); };
    Timer1->setEnabled(true);
}

void TForm4::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { FormShow(); });
}

void TForm4::FormShow() { Timer1->setEnabled(true); }

void TForm4::Timer1Timer()
{
    const bool leftShown = Image2->isVisible();
    Image3->setVisible(leftShown);
    Image2->setVisible(!leftShown);
}
