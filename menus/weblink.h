#pragma once
// The game's web page is its Hungarian manual, shipped beside the executable
// and opened in the desktop's browser. The opening goes through one hook so
// tests can watch it instead of starting a browser.
#include "platform/controls.h"

#include <QLabel>
#include <QUrl>
#include <functional>

namespace menus {

// File name of the manual beside the executable.
QString manualFileName();
// What the link shows: what it opens, in the player's words.
QString manualLinkText();
// Its address: the file URL of the manual in the executable's directory.
QUrl manualUrl();

// Asks the desktop to open the manual; when no program can open it, says so
// in a message box over `parent`.
void openWebPage(QWidget* parent);
// Test hook: replaces the desktop's handler (which answers whether it could
// open the address); a null opener restores it.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

// A label that reports a left click (press and release on it), like the
// labels of the layouts that carry a click handler.
class ClickLabel : public platform::Label {
    Q_OBJECT
public:
    using platform::Label::Label;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

// The underlined link of the start and about windows: names the manual,
// shows its full address as tool tip, and runs `onClick`.
ClickLabel* makeWebLabel(QWidget* parent, const char* name, QRect geometry,
                         std::function<void()> onClick);

} // namespace menus
