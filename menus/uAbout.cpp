#include "menus/uAbout.h"

#include "menus/weblink.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/image.h"

LazyForm<TForm10> Form10;

TForm10::TForm10(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QString::fromUtf8("Névjegy"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 566, 726);

    Image1 = new platform::Image(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 574, 760);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/about_background.jpg")));

    const QFont plain = platform::arial(11);
    const QFont bold = platform::arial(11, true);
    // Labels size themselves to their text, as the layout's labels do; the
    // credits are worded to stay within the widths the layout gives them.
    auto label = [this](const char* name, QPoint at, const char* text, const QFont& f) {
        return platform::makeAutoLabel(this, name, at, QString::fromUtf8(text), f);
    };
    Label1 = label("Label1", {72, 320}, "Fejlesztőeszköz: C++20, Qt 6, SDL2_mixer", plain);
    Label2 = label("Label2", {72, 280}, "A játékot tervezte, rajzolta és programozta:", plain);
    Label3 = label("Label3", {72, 336}, "Képek: saját képgenerátorunk festi, fényképezőgép nélkül", plain);
    Label4 = label("Label4", {72, 352}, "Képfeldolgozás: saját szűrőink a Qt 6 QPainterrel", plain);
    Label5 = label("Label5", {72, 368},
                   "Pályazenék: 1–50. és 51–100. pálya: saját zenegenerátorunk (kovra_musicgen), LAME", plain);
    Label6 = label("Label6", {72, 384}, "Főcímzene: saját zenegenerátorunk, LAME", plain);
    Label7 = label("Label7", {336, 280}, "K2 Műhely", bold);
    Label8 = label("Label8", {472, 136}, "2026 tél", plain);
    Label9 = menus::makeWebLabel(this, "Label9", {240, 552, 122, 14}, [this] { Label9Click(); });
    Label10 = label("Label10", {72, 552}, "Látogasd meg a játék weboldalát:", plain);
    // What really tried the game before it reached the player.
    Label11 = label("Label11", {72, 424}, "A játékot próbára tették:", plain);
    Label12 = label("Label12", {264, 424}, "a 100 pálya végigjátszása", bold);
    Label13 = label("Label13", {264, 440}, "libFuzzer-tesztek", bold);
    Label14 = label("Label14", {264, 456}, "ASan és UBSan", bold);
    Label15 = label("Label15", {72, 496},
                    "Ajánljuk mindazoknak, akik szívesen keresik az apró különbségeket.", plain);
    Button1 = platform::makeButton(this, "Button1", {256, 616, 75, 25}, QString::fromUtf8("Főmenü"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm10::Label9Click() { menus::openWebPage(this); }

void TForm10::Button1Click() { accept(); }
