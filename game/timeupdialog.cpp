#include "game/timeupdialog.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/dialogstyle.h"

#include <QLabel>
#include <QPushButton>

namespace {
// One line of the advice under the heading.
QLabel* adviceLine(QWidget* parent, const char* name, int top, const char* text)
{
    return platform::makeLabel(parent, name, QRect(48, top, 305, 16), QString::fromUtf8(text), platform::arial(11));
}
} // namespace

TimeUpDialog::TimeUpDialog(QWidget* parent) : QDialog(parent)
{
    using namespace platform;
    setObjectName(QStringLiteral("TimeUpDialog"));
    setWindowTitle(QString::fromUtf8("Lejárt az idő. :-("));
    dialogstyle::setDialogFrame(this, false);
    dialogstyle::useInk(this);
    dialogstyle::takeEscape(this); // the buttons alone decide how the level goes on
    setFont(windowFont());
    fixAndCentre(this, 399, 532);
    background = new Image(this);
    background->setGeometry(0, 0, 400, 533);
    background->setPicture(QPixmap(QStringLiteral(":/art/boardfail_background.jpg")));
    heading = makeLabel(this, "heading", QRect(48, 256, 305, 32), QString::fromUtf8("Lejárt az idő!"), arial(27, true), Qt::AlignHCenter | Qt::AlignTop);
    missedLabel = makeLabel(this, "missedLabel", QRect(48, 288, 305, 16), QString::fromUtf8("Még 1 különbséget kellett volna megtalálni."), arial(13), Qt::AlignHCenter | Qt::AlignTop);
    adviceLine1 = adviceLine(this, "adviceLine1", 320, "Próbáld minél gyorsabban megoldani a feladványokat, mert");
    adviceLine2 = adviceLine(this, "adviceLine2", 336, "100 maradék másodperc elérésekor egy segítséget kapsz,");
    adviceLine3 = adviceLine(this, "adviceLine3", 352, "amit szorult helyzetben fel tudsz használni!");
    adviceLine4 = adviceLine(this, "adviceLine4", 384, "Vigyázz, hogy ne kattints sokszor feleslegesen, mert az időd");
    adviceLine5 = adviceLine(this, "adviceLine5", 400, "vészesen kezd elfogyni! Csak azokra a helyekre kattints, ahol");
    adviceLine6 = adviceLine(this, "adviceLine6", 416, "a különbségeket látod!");
    retryButton = makeButton(this, "retryButton", QRect(48, 448, 177, 33), QString::fromUtf8("Megpróbálom újra"));
    retryButton->setDefault(true);
    saveAndQuitButton = makeButton(this, "saveAndQuitButton", QRect(240, 448, 105, 33), QString::fromUtf8("Mentés és kilépés"));
    connect(retryButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(saveAndQuitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TimeUpDialog::showMissed(int remaining)
{
    missedLabel->setText(QString::fromUtf8("Még %1 különbséget kellett volna megtalálni.").arg(remaining));
}
