#include "menus/uRules.h"

#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/image.h"

#include <QShowEvent>
#include <array>

LazyForm<TForm9> Form9;

TForm9::TForm9(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QString::fromUtf8("Kovra 2 - Játékszabályok"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 574, 400);

    // The pages are built with the program (the rules page generator).
    platform::Image** images[kPages] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
    for (int i = 0; i < kPages; ++i) {
        auto* img = new platform::Image(this);
        img->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        img->setGeometry(0, 0, 572, 400);
        img->setPicture(QPixmap(QStringLiteral(":/rules/page%1.bmp").arg(i + 1)));
        *images[i] = img;
    }
    Label1 = platform::makeLabel(this, "Label1", {176, 376, 209, 14}, QStringLiteral("1 / 8"),
                                 platform::arial(11), Qt::AlignHCenter | Qt::AlignTop);
    Button1 = platform::makeButton(this, "Button1", {8, 368, 75, 25}, QString::fromUtf8("< Előző"));
    Button2 = platform::makeButton(this, "Button2", {88, 368, 75, 25}, QString::fromUtf8("Következő >"));
    Button3 = platform::makeButton(this, "Button3", {392, 368, 169, 25}, QString::fromUtf8("Vissza a játékhoz"));
    // Enter presses the focused button, otherwise "Vissza a játékhoz";
    // Escape closes the dialog the same way.
    for (QPushButton* b : {Button1, Button2, Button3})
        b->setAutoDefault(true);
    Button3->setDefault(true);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
}

void TForm9::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

platform::Image* TForm9::pageImage(int p) const
{
    const std::array<platform::Image*, kPages> images{Image1, Image2, Image3, Image4, Image5, Image6};
    return p >= 1 && p <= kPages ? images[size_t(p - 1)] : nullptr;
}

void TForm9::Megjelenit(quint8 p)
{
    Button1->setEnabled(p > 1);
    Button2->setEnabled(p < kPages);
    for (int i = 1; i <= kPages; ++i)
        pageImage(i)->setVisible(p == i);
    Label1->setText(QStringLiteral("%1 / %2").arg(p).arg(kPages));
}

void TForm9::FormShow()
{
    page_ = 1;
    Megjelenit(page_);
}

// The buttons are disabled at the ends, so the page stays within 1 to 6.
void TForm9::Button1Click()
{
    if (page_ > 1)
        Megjelenit(--page_);
}

void TForm9::Button2Click()
{
    if (page_ < kPages)
        Megjelenit(++page_);
}

void TForm9::Button3Click() { reject(); }
