#pragma once
// The game's web page is its Hungarian manual, shipped beside the executable
// and opened in the desktop's browser. The opening goes through one hook so
// tests can watch it instead of starting a browser.
#include <QLabel>
#include <QUrl>
#include <functional>

namespace menus {

// File name of the manual beside the executable.
QString manualFileName();
// Its address: the file URL of the manual in the executable's directory.
QUrl manualUrl();

// Asks the desktop to open the manual; the result is ignored and nothing is
// reported when no handler exists.
void openWebPage();
// Test hook: replaces the desktop's handler; a null opener restores it.
using UrlOpener = std::function<void(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

// A label that reports a left click (press and release on it), like the
// labels of the layouts that carry a click handler.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

// The underlined address label of the start and about windows: shows the
// manual's name, its full address as tool tip, and runs `onClick`.
ClickLabel* makeWebLabel(QWidget* parent, const char* name, QRect geometry,
                         std::function<void()> onClick);

} // namespace menus
