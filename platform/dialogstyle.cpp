#include "platform/dialogstyle.h"

#include "platform/appearance.h"

#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

namespace dialogstyle {

void setDialogFrame(QWidget* window, bool closeBox)
{
    Qt::WindowFlags f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox)
        f |= Qt::WindowCloseButtonHint;
    window->setWindowFlags(f);
}

void useInk(QWidget* window) { platform::useFixedPalette(window, QColor(0x2B, 0x1D, 0x14)); }

namespace {
// Sees the keys that reach the window itself, i.e. that no control used.
class EscapeFilter : public QObject {
public:
    EscapeFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != parent() || e->type() != QEvent::KeyPress
            || !static_cast<QKeyEvent*>(e)->matches(QKeySequence::Cancel))
            return false;
        if (action_)
            action_();
        return true;
    }

private:
    std::function<void()> action_;
};
} // namespace

void takeEscape(QWidget* window, std::function<void()> action)
{
    window->installEventFilter(new EscapeFilter(window, std::move(action)));
}

} // namespace dialogstyle
