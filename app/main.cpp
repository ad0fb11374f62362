#include "app/forms.h"
#include "menus/uStarter.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kovra 2"));
    app::showStartWindow();
    const int rc = app.exec();
    app::destroyForms();
    return rc;
}
