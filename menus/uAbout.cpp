#include "menus/uAbout.h"

#include "platform/controls.h"

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QString::fromUtf8("Névjegy"));
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 566, 726);
}
