#include "app/cli.h"
#include "app/rungame.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (app::wantsHelp(argc, argv) || app::wantsVersion(argc, argv)) {
        QCoreApplication core(argc, argv); // no window system needed to answer
        const QString text = app::wantsHelp(argc, argv) ? app::helpText() : QStringLiteral("kovra2 " KOVRA_VERSION "\n");
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    app::preferX11();
    return app::runGame(argc, argv); // which first prepares the signals
}
