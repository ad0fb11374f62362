#include "players/uOptions.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/recordfile.h"
#include "players/dialogstyle.h"
#include "players/records.h"

#include <QCheckBox>
#include <QShowEvent>

#include <algorithm>

LazyForm<TForm8> Form8;

namespace {
QString settingsPath() { return platform::writeFile(QStringLiteral("settings.dat")); }

// The settings before the window exists: all on until settings.dat is read.
players::SettingsRecord beforeWindow;

void save(const players::SettingsRecord& s)
{
    const QByteArray bytes = players::encodeSettings(s);
    platform::writeRecordAtomic(settingsPath(), bytes.constData(), bytes.size());
}

// Reads settings.dat; false when it cannot be opened.
bool read(players::SettingsRecord& out)
{
    // Read from where it is saved: the executable's directory, whatever the
    // current directory is.
    char bytes[players::kSettingsBytes];
    if (!platform::readRecord(settingsPath(), bytes, sizeof bytes))
        return false;
    out = players::decodeSettings(bytes);
    return true;
}

QCheckBox* makeBox(QWidget* parent, const char* name, int top, const char* text)
{
    auto* c = new QCheckBox(QString::fromUtf8(text), parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(56, top, 289, 17);
    c->setFont(platform::arial(12, true));
    return c;
}

QLabel* makeNote(QWidget* parent, const char* name, QRect geometry, const char* text)
{
    QLabel* l = platform::makeLabel(parent, name, geometry, QString::fromUtf8(text), platform::arial(11));
    // The layout's widths fit another system's Arial; ours may need a few
    // more pixels, and a clipped last word is worse than a wider label.
    l->resize(std::max(geometry.width(), l->sizeHint().width()), geometry.height());
    return l;
}
} // namespace

TForm8::TForm8(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QString::fromUtf8("Beállítások"));
    dialogstyle::setDialogFrame(this, true);
    dialogstyle::useInk(this);
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 400, 533);

    Image1 = new platform::Image(this);
    Image1->setGeometry(0, 0, 401, 534);
    Image1->setPicture(QPixmap(QStringLiteral(":/art/settings_background.jpg")));
    chkPrecise = makeBox(this, "chkPrecise", 160, "Pontos kijelölő kurzor használata");
    Label1 = makeNote(this, "Label1", {74, 184, 261, 14}, "Ezzel a lehetőséggel a szabványos kurzor helyett egy");
    Label2 = makeNote(this, "Label2", {74, 200, 255, 14}, "kereszt jelenik meg, amivel pontosabban jelölhetőek a");
    Label3 = makeNote(this, "Label3", {74, 216, 63, 14}, "különbségek.");
    chkSound = makeBox(this, "chkSound", 248, "Hangok lejátszása");
    Label4 = makeNote(this, "Label4", {74, 272, 279, 14}, "A játék közben hallható hangeffektek be- és kikapcsolása.");
    chkMusic = makeBox(this, "chkMusic", 304, "Zene lejátszása");
    Label5 = makeNote(this, "Label5", {74, 328, 268, 14}, "A játék közben hallható háttérzene be- és kikapcsolása.");
    chkShadow = makeBox(this, "chkShadow", 360, "Árnyékkurzor használata");
    Label6 = makeNote(this, "Label6", {74, 384, 266, 14}, "Az árnyékkurzor segítségével nyomon követhető, hogy");
    Label7 = makeNote(this, "Label7", {74, 400, 260, 14}, "az egér által mutatott pozíció hová esik a másik képen.");
    Button1 = platform::makeButton(this, "Button1", {128, 448, 145, 33}, QString::fromUtf8("Beállítások mentése"));
    Button1->setDefault(true); // Enter saves

    chkSound->setChecked(beforeWindow.sound);
    chkPrecise->setChecked(beforeWindow.precise);
    chkMusic->setChecked(beforeWindow.music);
    chkShadow->setChecked(beforeWindow.shadow);

    setTabOrder(chkPrecise, chkSound);
    setTabOrder(chkSound, chkMusic);
    setTabOrder(chkMusic, chkShadow);
    setTabOrder(chkShadow, Button1);

    connect(Button1, &QPushButton::clicked, this, [this] { platform::guard([this] { saveAndClose(); }); });
    // The save button is the cancel button as well: Esc saves too.
    dialogstyle::takeEscape(this, [this] { Button1->click(); });
}

void TForm8::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { FormShow(); });
}

void TForm8::FormShow() { LoadSettings(); }

void TForm8::LoadSettings()
{
    players::SettingsRecord s;
    if (!read(s)) {
        Button1Click();
        return;
    }
    chkSound->setChecked(s.sound);
    chkPrecise->setChecked(s.precise);
    chkMusic->setChecked(s.music);
    chkShadow->setChecked(s.shadow);
}

void TForm8::Button1Click()
{
    save(boxes());
}

players::SettingsRecord TForm8::boxes() const
{
    players::SettingsRecord s;
    s.sound = chkSound->isChecked();
    s.precise = chkPrecise->isChecked();
    s.music = chkMusic->isChecked();
    s.shadow = chkShadow->isChecked();
    return s;
}

void TForm8::saveAndClose()
{
    Button1Click();
    accept(); // modal result OK; a failed save keeps the window open
}

namespace settings {

void load()
{
    if (Form8.created()) {
        Form8->LoadSettings();
        return;
    }
    players::SettingsRecord s;
    if (read(s))
        beforeWindow = s;
    else
        save(beforeWindow); // missing: written from the current settings
}

players::SettingsRecord current()
{
    if (!Form8.created())
        return beforeWindow;
    return Form8->boxes();
}

bool musicOn() { return current().music; }

void reset() { beforeWindow = {}; }

} // namespace settings
