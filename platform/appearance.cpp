#include "platform/appearance.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QPalette>
#include <QTranslator>
#include <QWidget>

#include <cmath>
#include <unistd.h>

namespace platform {

void useFixedPalette(QWidget* window, const QColor& ink)
{
    // The face colour of the desktop the layouts were drawn on.
    const QColor face(0xF0, 0xF0, 0xF0);
    QPalette pal(face);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::WindowText, ink);
        pal.setColor(g, QPalette::Text, Qt::black);
        pal.setColor(g, QPalette::ButtonText, Qt::black);
        pal.setColor(g, QPalette::Base, Qt::white);
        pal.setColor(g, QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
        pal.setColor(g, QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
        pal.setColor(g, QPalette::HighlightedText, Qt::white);
        pal.setColor(g, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
        pal.setColor(g, QPalette::ToolTipText, Qt::black);
        pal.setColor(g, QPalette::PlaceholderText, QColor(0x6D, 0x6D, 0x6D));
        pal.setColor(g, QPalette::Link, QColor(0x00, 0x33, 0x99));
    }
    const QColor greyed(0x6D, 0x6D, 0x6D);
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, r, greyed);
    pal.setColor(QPalette::Disabled, QPalette::Base, face);
    window->setPalette(pal);
}

qreal fitScale(QSize available, QSize client, QSize frame)
{
    const QSize need = client + frame;
    if (available.isEmpty() || need.isEmpty())
        return 1;
    const qreal f = qMin(qreal(available.width()) / need.width(), qreal(available.height()) / need.height());
    // Rounded down to whole percent, so rounding never leaves a pixel out.
    return f >= 1 ? 1 : std::floor(f * 100) / 100;
}

qreal shrunkScaleFactor(qreal current, qreal screenRatio, qreal fit)
{
    if (fit >= 1 || screenRatio <= 1)
        return 0;
    const qreal ratio = qMax(screenRatio * fit, qreal(1));
    return current * ratio / screenRatio;
}

namespace {
const char kFitted[] = "KOVRA_SCALE_BEFORE_FIT"; // the desktop's own QT_SCALE_FACTOR, or "-"
const char kScale[] = "QT_SCALE_FACTOR";

void restoreDesktopScale()
{
    const QByteArray before = qgetenv(kFitted);
    if (before == "-")
        qunsetenv(kScale);
    else
        qputenv(kScale, before);
    qunsetenv(kFitted);
}
} // namespace

void fitWindowsToScreen(char** argv)
{
    if (qEnvironmentVariableIsSet(kFitted)) {
        // Qt has read the factor; what the game starts gets the desktop's.
        restoreDesktopScale();
        return;
    }
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return; // no screen anyone looks at
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const qreal f = fitScale(screen->availableGeometry().size(), largestClient(), frameAllowance());
    if (f >= 1)
        return;
    bool ok = false;
    qreal current = qEnvironmentVariable(kScale).toDouble(&ok);
    if (!ok || current <= 0)
        current = 1;
    const qreal shrunk = shrunkScaleFactor(current, screen->devicePixelRatio(), f);
    if (shrunk <= 0)
        return; // an unscaled screen: the windows keep their title bars on it
    qputenv(kFitted, qEnvironmentVariableIsSet(kScale) ? qgetenv(kScale) : QByteArray("-"));
    qputenv(kScale, QByteArray::number(shrunk, 'f', 3));
    ::execv("/proc/self/exe", argv);
    restoreDesktopScale(); // could not restart: go on at the desktop's scale
}

bool setupStockTexts()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return true;
    // Debian's qtbase_hu, embedded at build time, so the texts do not hang
    // on what the desktop has installed.
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QStringLiteral(":/i18n/qtbase_hu.qm"))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    translator = t;
    return true;
}

} // namespace platform
