#include "game/uBoardFail.h"

#include "platform/controls.h"
#include "platform/image.h"

#include <QLabel>
#include <QPushButton>

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QString::fromUtf8("Lejárt az idő. :-("));
    setFont(windowFont());
    fixAndCentre(this, 399, 532);
    Image1 = new Image(this);
    Image1->setGeometry(0, 0, 400, 533);
    Label1 = makeLabel(this, "Label1", QRect(48, 256, 305, 32), QString::fromUtf8("Lejárt az idő!"), arial(27, true), Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeLabel(this, "Label2", QRect(48, 288, 305, 16), QString::fromUtf8("Még 1 különbséget kellett volna megtalálni."), arial(13), Qt::AlignHCenter | Qt::AlignTop);
    Button1 = makeButton(this, "Button1", QRect(48, 448, 177, 33), QString::fromUtf8("Megpróbálom újra"));
    Button1->setDefault(true);
    Button2 = makeButton(this, "Button2", QRect(240, 448, 105, 33), QString::fromUtf8("Mentés és kilépés"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}
