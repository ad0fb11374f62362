#include "menus/uAbout.h"

#include "menus/weblink.h"
#include "platform/controls.h"
#include "platform/image.h"

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QString::fromUtf8("Névjegy"));
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 566, 726);

    Image1 = new platform::Image(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 574, 760);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/about_background.jpg")));

    const QFont plain = platform::arial(11);
    const QFont bold = platform::arial(11, true);
    auto label = [this](const char* name, QRect r, const char* text, const QFont& f) {
        return platform::makeLabel(this, name, r, QString::fromUtf8(text), f);
    };
    Label1 = label("Label1", {72, 320, 220, 14}, "Fejlesztőeszköz: C++20, Qt 6, SDL2_mixer", plain);
    Label2 = label("Label2", {72, 280, 261, 14}, "A játékot tervezte, rajzolta és programozta:", plain);
    Label3 = label("Label3", {72, 336, 324, 14}, "Képek: saját képgenerátorunk festi, fényképezőgép nélkül", plain);
    Label4 = label("Label4", {72, 352, 278, 14}, "Képfeldolgozás: Qt 6 (QPainter, QImage)", plain);
    Label5 = label("Label5", {72, 368, 440, 14},
                   "Pályazenék: saját zenegenerátorunk, 1–50. pálya: dallamos, 51–100.: táncos stílus; LAME", plain);
    Label6 = label("Label6", {72, 384, 236, 14}, "Főcímzene: saját zenegenerátorunk és a LAME", plain);
    Label7 = label("Label7", {336, 280, 62, 14}, "K2 csapat", bold);
    Label8 = label("Label8", {472, 136, 42, 14}, "2026. 12.", plain);
    Label9 = menus::makeWebLabel(this, "Label9", {240, 552, 122, 14}, [this] { Label9Click(); });
    Label10 = label("Label10", {72, 552, 161, 14}, "Látogasd meg a játék weboldalát:", plain);
    Label11 = label("Label11", {72, 424, 182, 14}, "Köszönjük a tesztelők munkáját:", plain);
    Label12 = label("Label12", {264, 424, 67, 14}, "Kiss Anna", bold);
    Label13 = label("Label13", {264, 440, 81, 14}, "Szabó Bence", bold);
    Label14 = label("Label14", {264, 456, 63, 14}, "Tóth Réka", bold);
    Label15 = label("Label15", {72, 496, 439, 14},
                    "Ajánljuk mindazoknak, akik szívesen keresik az apró különbségeket.", plain);
    Button1 = platform::makeButton(this, "Button1", {256, 616, 75, 25}, QString::fromUtf8("Főmenü"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm10::Label9Click() { menus::openWebPage(); }

void TForm10::Button1Click() { accept(); }
