#include "players/settingsdialog.h"

#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/dialogstyle.h"
#include "players/records.h"

#include <QCheckBox>
#include <QShowEvent>

#include <algorithm>

namespace {
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

SettingsDialog::SettingsDialog(players::SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store)
{
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(QString::fromUtf8("Beállítások"));
    dialogstyle::setDialogFrame(this, true);
    dialogstyle::useInk(this);
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 400, 533);

    background = new platform::Image(this);
    background->setGeometry(0, 0, 401, 534);
    background->setPicture(QPixmap(QStringLiteral(":/art/settings_background.jpg")));
    preciseBox = makeBox(this, "preciseBox", 160, "Pontos kijelölő kurzor használata");
    preciseNote1 = makeNote(this, "preciseNote1", {74, 184, 261, 14}, "Ezzel a lehetőséggel a szabványos kurzor helyett egy");
    preciseNote2 = makeNote(this, "preciseNote2", {74, 200, 255, 14}, "kereszt jelenik meg, amivel pontosabban jelölhetőek a");
    preciseNote3 = makeNote(this, "preciseNote3", {74, 216, 63, 14}, "különbségek.");
    soundBox = makeBox(this, "soundBox", 248, "Hangok lejátszása");
    soundNote = makeNote(this, "soundNote", {74, 272, 279, 14}, "A játék közben hallható hangeffektek be- és kikapcsolása.");
    musicBox = makeBox(this, "musicBox", 304, "Zene lejátszása");
    musicNote = makeNote(this, "musicNote", {74, 328, 268, 14}, "A játék közben hallható háttérzene be- és kikapcsolása.");
    shadowBox = makeBox(this, "shadowBox", 360, "Árnyékkurzor használata");
    shadowNote1 = makeNote(this, "shadowNote1", {74, 384, 266, 14}, "Az árnyékkurzor segítségével nyomon követhető, hogy");
    shadowNote2 = makeNote(this, "shadowNote2", {74, 400, 260, 14}, "az egér által mutatott pozíció hová esik a másik képen.");
    saveButton = platform::makeButton(this, "saveButton", {128, 448, 145, 33}, QString::fromUtf8("Beállítások mentése"));
    saveButton->setDefault(true); // Enter saves

    showSettings(store_.current());

    setTabOrder(preciseBox, soundBox);
    setTabOrder(soundBox, musicBox);
    setTabOrder(musicBox, shadowBox);
    setTabOrder(shadowBox, saveButton);

    connect(saveButton, &QPushButton::clicked, this, [this] { platform::guard([this] { saveAndClose(); }); });
    // The save button is the cancel button as well: Esc saves too.
    dialogstyle::takeEscape(this, [this] { saveButton->click(); });
}

void SettingsDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        platform::guard([this] { refresh(); });
}

void SettingsDialog::refresh() { loadSettings(); }

void SettingsDialog::loadSettings()
{
    store_.load();
    showSettings(store_.current());
}

void SettingsDialog::showSettings(const players::SettingsRecord& s)
{
    soundBox->setChecked(s.sound);
    preciseBox->setChecked(s.precise);
    musicBox->setChecked(s.music);
    shadowBox->setChecked(s.shadow);
}

void SettingsDialog::saveSettings() { store_.save(boxes()); }

players::SettingsRecord SettingsDialog::boxes() const
{
    players::SettingsRecord s;
    s.sound = soundBox->isChecked();
    s.precise = preciseBox->isChecked();
    s.music = musicBox->isChecked();
    s.shadow = shadowBox->isChecked();
    return s;
}

void SettingsDialog::saveAndClose()
{
    saveSettings();
    accept(); // modal result OK; a failed save keeps the window open
}

void SettingsDialog::done(int r)
{
    // Boxes changed and left unsaved still count until the next opening
    // reads the file again.
    store_.use(boxes());
    QDialog::done(r);
}
