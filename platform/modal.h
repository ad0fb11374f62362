#pragma once
// Modal windows and message boxes go through these functions, so that tests
// can script them: record which window was shown and return a chosen result.
#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Modal results as the windows report them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// Shows `w` modally and returns its modal result. A QDialog's Accepted counts
// as mrOk, any other close as mrCancel.
int showModal(QWidget* w);

enum class MsgIcon { Information, Warning, Error, Question };
void messageBox(QWidget* parent, const QString& text, const QString& title, MsgIcon icon);

// Test hooks. The modal script is called with the window already shown (its
// show handler has run); what it returns is the modal result, and the window
// is hidden afterwards. A null script restores the real behaviour.
using ModalScript = std::function<int(QWidget*)>;
void setModalScript(ModalScript script);
struct MessageRecord { QString title, text; MsgIcon icon; };
using MessageScript = std::function<void(const MessageRecord&)>;
void setMessageScript(MessageScript script);

} // namespace platform
