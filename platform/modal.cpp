#include "platform/modal.h"

#include "platform/ioerror.h"

#include <QDialog>
#include <QMessageBox>
#include <QWidget>

namespace platform {

namespace {
ModalScript& modalScript()
{
    static ModalScript s;
    return s;
}
MessageScript& messageScript()
{
    static MessageScript s;
    return s;
}
void boxReport(const QString& text) { messageBox(nullptr, text, QStringLiteral("Kovra 2"), MsgIcon::Error); }
// Wherever the windows are linked in, error reports are boxes.
[[maybe_unused]] const bool boxReportsInstalled = (setErrorReporter(boxReport), true);
} // namespace

void setModalScript(ModalScript script) { modalScript() = std::move(script); }
void setMessageScript(MessageScript script) { messageScript() = std::move(script); }

int showModal(QWidget* w)
{
    auto* dialog = qobject_cast<QDialog*>(w);
    if (modalScript()) {
        if (dialog)
            dialog->setResult(0);
        w->show();
        const int result = modalScript()(w);
        if (w->isVisible()) {
            if (dialog)
                dialog->done(result == mrOk ? QDialog::Accepted : QDialog::Rejected);
            else
                w->hide();
        }
        return result;
    }
    if (dialog)
        return dialog->exec() == QDialog::Accepted ? mrOk : mrCancel;
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    return mrCancel;
}

void messageBox(QWidget* parent, const QString& text, const QString& title, MsgIcon icon)
{
    if (messageScript()) {
        messageScript()({title, text, icon});
        return;
    }
    QMessageBox::Icon qi = QMessageBox::Information;
    switch (icon) {
    case MsgIcon::Information: qi = QMessageBox::Information; break;
    case MsgIcon::Warning: qi = QMessageBox::Warning; break;
    case MsgIcon::Error: qi = QMessageBox::Critical; break;
    case MsgIcon::Question: qi = QMessageBox::Question; break;
    }
    QMessageBox box(qi, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace platform
