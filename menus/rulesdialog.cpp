#include "menus/rulesdialog.h"

#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/image.h"

#include <QShowEvent>
#include <array>

RulesDialog::RulesDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("RulesDialog"));
    setWindowTitle(QString::fromUtf8("Kovra 2 - Játékszabályok"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 574, 400);

    // The pages are built with the program (the rules page generator).
    platform::Image** images[kPages] = {&page1, &page2, &page3, &page4, &page5, &page6};
    for (int i = 0; i < kPages; ++i) {
        auto* img = new platform::Image(this);
        img->setObjectName(QStringLiteral("page%1").arg(i + 1));
        img->setGeometry(0, 0, 572, 400);
        img->setPicture(QPixmap(QStringLiteral(":/rules/page%1.bmp").arg(i + 1)));
        *images[i] = img;
    }
    pageNumber = platform::makeLabel(this, "pageNumber", {176, 376, 209, 14}, QStringLiteral("1 / 8"),
                                 platform::arial(11), Qt::AlignHCenter | Qt::AlignTop);
    previousButton = platform::makeButton(this, "previousButton", {8, 368, 75, 25}, QString::fromUtf8("< Előző"));
    nextButton = platform::makeButton(this, "nextButton", {88, 368, 75, 25}, QString::fromUtf8("Következő >"));
    backButton = platform::makeButton(this, "backButton", {392, 368, 169, 25}, QString::fromUtf8("Vissza a játékhoz"));
    // Enter presses the focused button, otherwise "Vissza a játékhoz";
    // Escape closes the dialog the same way.
    for (QPushButton* b : {previousButton, nextButton, backButton})
        b->setAutoDefault(true);
    backButton->setDefault(true);
    setTabOrder(previousButton, nextButton);
    setTabOrder(nextButton, backButton);
    connect(previousButton, &QPushButton::clicked, this, [this] { previousClicked(); });
    connect(nextButton, &QPushButton::clicked, this, [this] { nextClicked(); });
    connect(backButton, &QPushButton::clicked, this, [this] { backClicked(); });
}

void RulesDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        startAtFirstPage();
}

platform::Image* RulesDialog::pageImage(int p) const
{
    const std::array<platform::Image*, kPages> images{page1, page2, page3, page4, page5, page6};
    return p >= 1 && p <= kPages ? images[size_t(p - 1)] : nullptr;
}

void RulesDialog::showPage(quint8 p)
{
    previousButton->setEnabled(p > 1);
    nextButton->setEnabled(p < kPages);
    for (int i = 1; i <= kPages; ++i)
        pageImage(i)->setVisible(p == i);
    pageNumber->setText(QStringLiteral("%1 / %2").arg(p).arg(kPages));
}

void RulesDialog::startAtFirstPage()
{
    page_ = 1;
    showPage(page_);
}

// The buttons are disabled at the ends, so the page stays within 1 to 6.
void RulesDialog::previousClicked()
{
    if (page_ > 1)
        showPage(--page_);
}

void RulesDialog::nextClicked()
{
    if (page_ < kPages)
        showPage(++page_);
}

void RulesDialog::backClicked() { reject(); }
