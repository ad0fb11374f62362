#include "menus/uStarter.h"

#include "platform/controls.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Kovra 2"));
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 400, 593);
}
