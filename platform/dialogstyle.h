#pragma once
// Traits the player, settings and result windows share.
#include <functional>

class QWidget;

namespace dialogstyle {

// A dialog frame whose caption has only a close box, or no buttons at all.
void setDialogFrame(QWidget* window, bool closeBox);
// The fixed palette with dark ink for label and check-box text: the windows
// are pale paper, so the text must stay dark whatever the desktop's scheme.
void useInk(QWidget* window);
// Takes Esc away from the dialog, which would otherwise close it with
// Cancel: an Esc no control used runs `action` instead (nothing when empty).
void takeEscape(QWidget* window, std::function<void()> action = {});

} // namespace dialogstyle
