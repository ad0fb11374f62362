#include "app/forms.h"
#include "menus/uStarter.h"
#include "platform/appearance.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::fitWindowsToScreen(argv);
    QApplication::setApplicationName(QStringLiteral("Kovra 2"));
    app::createForms();
    Form2->show();
    const int rc = app.exec();
    app::destroyForms();
    return rc;
}
