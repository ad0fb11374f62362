#include "menus/leveljumpdialog.h"

#include "platform/appearance.h"
#include "platform/controls.h"

#include <QShowEvent>
#include <QSpinBox>

namespace {
// A number typed beyond the range is brought back to the nearer bound
// instead of being refused keystroke by keystroke.
class LevelSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override
    {
        const QValidator::State s = QSpinBox::validate(text, pos);
        bool digits = false;
        text.toInt(&digits);
        return s == QValidator::Invalid && digits && text.size() <= 9 ? QValidator::Intermediate : s;
    }
    void fixup(QString& text) const override
    {
        bool ok = false;
        const qint64 v = text.toLongLong(&ok);
        if (ok)
            text = QString::number(qBound(qint64(minimum()), v, qint64(maximum())));
    }
};
} // namespace

LevelJumpDialog::LevelJumpDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("LevelJumpDialog"));
    setWindowTitle(QStringLiteral("Ez csalás! :-)"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 247, 66);
    question = platform::makeAutoLabel(this, "question", {8, 8},
                                     QString::fromUtf8("Hanyadik pályára szeretnél ugrani aljas módon?"), platform::arial(11));
    levelBox = new LevelSpinBox(this);
    levelBox->setObjectName(QStringLiteral("levelBox"));
    levelBox->setGeometry(8, 32, 73, 22);
    levelBox->setRange(1, 100);
    levelBox->setValue(1);
    levelBox->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    okButton = platform::makeButton(this, "okButton", {88, 32, 75, 25}, QStringLiteral("OK"));
    cancelButton = platform::makeButton(this, "cancelButton", {168, 32, 75, 25}, QString::fromUtf8("Mégsem"));
    // As on the desktop the dialogs come from: Enter presses the focused
    // button, and OK when the focus is in the field.
    okButton->setAutoDefault(true);
    cancelButton->setAutoDefault(true);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(levelBox, okButton);
    setTabOrder(okButton, cancelButton);
}

void LevelJumpDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    levelBox->setFocus();
    levelBox->selectAll();
}

int LevelJumpDialog::chosenLevel() const { return levelBox->value(); }

void LevelJumpDialog::setLastLevel(int n) { levelBox->setRange(1, qMax(1, n)); }
