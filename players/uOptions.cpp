#include "players/uOptions.h"

#include "platform/controls.h"
#include "platform/paths.h"
#include "platform/recordfile.h"
#include "players/records.h"

#include <QCheckBox>

TForm8* Form8 = nullptr;

namespace {
QCheckBox* makeBox(QWidget* parent, const char* name, int top, const char* text)
{
    auto* c = new QCheckBox(QString::fromUtf8(text), parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(56, top, 289, 17);
    c->setChecked(true);
    return c;
}
} // namespace

TForm8::TForm8(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QString::fromUtf8("Beállítások"));
    setFont(platform::windowFont());
    platform::fixAndCentre(this, 400, 533);
    chkPrecise = makeBox(this, "chkPrecise", 160, "Pontos kijelölő kurzor használata");
    chkSound = makeBox(this, "chkSound", 248, "Hangok lejátszása");
    chkMusic = makeBox(this, "chkMusic", 304, "Zene lejátszása");
    chkShadow = makeBox(this, "chkShadow", 360, "Árnyékkurzor használata");
}

void TForm8::LoadSettings()
{
    char bytes[players::kSettingsBytes];
    if (!platform::readRecord(platform::exeDir() + QStringLiteral("settings.dat"), bytes, sizeof bytes)) {
        Button1Click();
        return;
    }
    const players::SettingsRecord s = players::decodeSettings(bytes);
    chkSound->setChecked(s.sound);
    chkPrecise->setChecked(s.precise);
    chkMusic->setChecked(s.music);
    chkShadow->setChecked(s.shadow);
}

void TForm8::Button1Click()
{
    players::SettingsRecord s;
    s.sound = chkSound->isChecked();
    s.precise = chkPrecise->isChecked();
    s.music = chkMusic->isChecked();
    s.shadow = chkShadow->isChecked();
    const QByteArray bytes = players::encodeSettings(s);
    platform::writeRecordAtomic(platform::exeDir() + QStringLiteral("settings.dat"), bytes.constData(),
                                bytes.size());
}
