#include "menus/uCheat.h"

#include "game/uMain.h"
#include "platform/appearance.h"
#include "platform/controls.h"

#include <QShowEvent>
#include <QSpinBox>

LazyForm<TForm7> Form7;

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

TForm7::TForm7(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Ez csalás! :-)"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 247, 66);
    Label1 = platform::makeAutoLabel(this, "Label1", {8, 8},
                                     QString::fromUtf8("Hanyadik pályára szeretnél ugrani aljas módon?"), platform::arial(11));
    SpinEdit1 = new LevelSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(8, 32, 73, 22);
    SpinEdit1->setRange(1, 100);
    SpinEdit1->setValue(1);
    SpinEdit1->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { SpinEdit1Change(); });
    Button1 = platform::makeButton(this, "Button1", {88, 32, 75, 25}, QStringLiteral("OK"));
    Button2 = platform::makeButton(this, "Button2", {168, 32, 75, 25}, QString::fromUtf8("Mégsem"));
    // As on the desktop the dialogs come from: Enter presses the focused
    // button, and OK when the focus is in the field.
    Button1->setAutoDefault(true);
    Button2->setAutoDefault(true);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(SpinEdit1, Button1);
    setTabOrder(Button1, Button2);
}

void TForm7::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
}

void TForm7::SpinEdit1Change()
{
    if (Form1)
        Form1->rs.jumpLevel = quint8(SpinEdit1->value());
}
