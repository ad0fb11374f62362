#include "menus/uRules.h"

#include "platform/controls.h"

TForm9* Form9 = nullptr;

TForm9::TForm9(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QString::fromUtf8("Kovra 2 - Játékszabályok"));
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 574, 400);
}
