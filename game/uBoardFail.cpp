#include "game/uBoardFail.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "players/dialogstyle.h"

#include <QLabel>
#include <QPushButton>

LazyForm<TForm5> Form5;

namespace {
// One line of the advice under the heading.
QLabel* adviceLine(QWidget* parent, const char* name, int top, const char* text)
{
    return platform::makeLabel(parent, name, QRect(48, top, 305, 16), QString::fromUtf8(text), platform::arial(11));
}
} // namespace

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QString::fromUtf8("Lejárt az idő. :-("));
    dialogstyle::setDialogFrame(this, false);
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // the buttons alone decide how the level goes on
    setFont(windowFont());
    fixAndCentre(this, 399, 532);
    Image1 = new Image(this);
    Image1->setGeometry(0, 0, 400, 533);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/boardfail_background.jpg")));
    Label1 = makeLabel(this, "Label1", QRect(48, 256, 305, 32), QString::fromUtf8("Lejárt az idő!"), arial(27, true), Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeLabel(this, "Label2", QRect(48, 288, 305, 16), QString::fromUtf8("Még 1 különbséget kellett volna megtalálni."), arial(13), Qt::AlignHCenter | Qt::AlignTop);
    Label5 = adviceLine(this, "Label5", 320, "Próbáld minél gyorsabban megoldani a feladványokat, mert");
    Label3 = adviceLine(this, "Label3", 336, "100 maradék másodperc elérésekor egy segítséget kapsz,");
    Label4 = adviceLine(this, "Label4", 352, "amit szorult helyzetben fel tudsz használni!");
    Label6 = adviceLine(this, "Label6", 384, "Vigyázz, hogy ne kattints sokszor feleslegesen, mert az időd");
    Label7 = adviceLine(this, "Label7", 400, "vészesen kezd elfogyni! Csak azokra a helyekre kattints, ahol");
    Label8 = adviceLine(this, "Label8", 416, "a különbségeket látod!");
    Button1 = makeButton(this, "Button1", QRect(48, 448, 177, 33), QString::fromUtf8("Megpróbálom újra"));
    Button1->setDefault(true);
    Button2 = makeButton(this, "Button2", QRect(240, 448, 105, 33), QString::fromUtf8("Mentés és kilépés"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}
