#include "app/cli.h"

#include "platform/paths.h"

#include <QDir>
#include <cstring>

namespace app {

namespace {
bool hasArgument(int argc, char** argv, const char* longName, const char* shortName)
{
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], longName) || (shortName && !std::strcmp(argv[i], shortName)))
            return true;
    return false;
}

QString shown(const QString& dir) { return QDir::toNativeSeparators(dir); }
} // namespace

bool wantsHelp(int argc, char** argv) { return hasArgument(argc, argv, "--help", "-h"); }

bool wantsVersion(int argc, char** argv) { return hasArgument(argc, argv, "--version", nullptr); }

bool wantsOwnLevels(int argc, char** argv) { return hasArgument(argc, argv, "--own-levels", nullptr); }

QString helpText()
{
    const bool portable = platform::portable();
    // Not writeDir(): asking for help creates no folder.
    const QString writes = portable ? platform::exeDir() : platform::playerDir();
    QString t;
    t += QStringLiteral("Kovra 2 " KOVRA_VERSION) + QString::fromUtf8(" – különbségkereső képes játék\n\n");
    t += QString::fromUtf8("Használat: kovra2 [--own-levels] [--help] [--version]\n");
    t += QString::fromUtf8("  --own-levels   a saját pályák (a pályakészítővel mentettek) lejátszása,\n"
                           "                 külön játékoslistával; a beállítások közösek\n\n");
    t += portable ? QString::fromUtf8("Hordozható mód: minden a játék mappájában marad.\n")
                  : QString::fromUtf8("Telepített mód: a játékos saját mappájába ír.\n");
    t += QString::fromUtf8("  pályák, zene, kézikönyv:    %1\n").arg(shown(platform::contentDir()));
    t += QString::fromUtf8("  saját pályák:               %1 (--own-levels)\n").arg(shown(writes + QStringLiteral("SAJAT/DATA/")));
    t += QString::fromUtf8("  kézzel bemásolt pályák:     %1 (a szállított helyett)\n").arg(shown(writes + QStringLiteral("DATA/")));
    t += QString::fromUtf8("  játékosok és beállítások:   %1\n").arg(shown(writes));
    t += QString::fromUtf8("\nA telepített játék a $XDG_DATA_HOME/kovra2/ mappába ír (alapból ~/.local/share/kovra2/).\n");
    t += QString::fromUtf8("Wayland alatt XWaylanddel fut, hacsak a QT_QPA_PLATFORM mást nem kér.\n");
    return t;
}

void preferX11()
{
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland");
    if (wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace app
