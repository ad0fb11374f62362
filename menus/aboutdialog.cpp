#include "menus/aboutdialog.h"

#include "menus/weblink.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/image.h"

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QString::fromUtf8("Névjegy"));
    setFont(platform::windowFont());
    platform::useFixedPalette(this);
    platform::fixAndCentre(this, 566, 726);

    background = new platform::Image(this);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(0, 0, 574, 760);
    background->setPicture(QPixmap(QStringLiteral(":/art/about_background.jpg")));

    const QFont plain = platform::arial(11);
    const QFont bold = platform::arial(11, true);
    // Labels size themselves to their text, as the layout's labels do; the
    // credits are worded to stay within the widths the layout gives them.
    auto label = [this](const char* name, QPoint at, const char* text, const QFont& f) {
        return platform::makeAutoLabel(this, name, at, QString::fromUtf8(text), f);
    };
    toolsCredit = label("toolsCredit", {72, 320}, "Fejlesztőeszköz: C++20, Qt 6, SDL2_mixer", plain);
    makersIntro = label("makersIntro", {72, 280}, "A játékot tervezte, rajzolta és programozta:", plain);
    picturesCredit = label("picturesCredit", {72, 336}, "Képek: saját képgenerátorunk festi, fényképezőgép nélkül", plain);
    processingCredit = label("processingCredit", {72, 352}, "Képfeldolgozás: saját szűrőink a Qt 6 QPainterrel", plain);
    levelMusicCredit = label("levelMusicCredit", {72, 368},
                   "Pályazenék: 1–50. és 51–100. pálya: saját zenegenerátorunk (kovra_musicgen), LAME", plain);
    titleMusicCredit = label("titleMusicCredit", {72, 384}, "Főcímzene: saját zenegenerátorunk, LAME", plain);
    makers = label("makers", {336, 280}, "K2 Műhely", bold);
    dateNote = label("dateNote", {472, 136}, "2026 tél", plain);
    webLink = menus::makeWebLabel(this, "webLink", {240, 552, 122, 14}, [this] { webLinkClicked(); });
    webLinkCaption = label("webLinkCaption", {72, 552}, "Látogasd meg a játék weboldalát:", plain);
    // What really tried the game before it reached the player.
    testsIntro = label("testsIntro", {72, 424}, "A játékot próbára tették:", plain);
    testPlaythrough = label("testPlaythrough", {264, 424}, "a 100 pálya végigjátszása", bold);
    testFuzzing = label("testFuzzing", {264, 440}, "libFuzzer-tesztek", bold);
    testSanitizers = label("testSanitizers", {264, 456}, "ASan és UBSan", bold);
    dedication = label("dedication", {72, 496},
                    "Ajánljuk mindazoknak, akik szívesen keresik az apró különbségeket.", plain);
    backButton = platform::makeButton(this, "backButton", {256, 616, 75, 25}, QString::fromUtf8("Főmenü"));
    connect(backButton, &QPushButton::clicked, this, [this] { backClicked(); });
}

void AboutDialog::webLinkClicked() { menus::openWebPage(this); }

void AboutDialog::backClicked() { accept(); }
