#include "menus/uCheat.h"

#include "game/uMain.h"
#include "platform/controls.h"

#include <QSpinBox>

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Ez csalás! :-)"));
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 247, 66);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(8, 32, 73, 22);
    SpinEdit1->setRange(1, 100);
    SpinEdit1->setValue(1);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { SpinEdit1Change(); });
}

void TForm7::SpinEdit1Change()
{
    if (Form1)
        Form1->rs.jumpLevel = quint8(SpinEdit1->value());
}
