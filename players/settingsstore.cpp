#include "players/settingsstore.h"

#include "platform/paths.h"
#include "platform/recordfile.h"

namespace players {

namespace {
QString settingsPath() { return platform::writeFile(QStringLiteral("settings.dat")); }
} // namespace

SettingsStore::SettingsStore(QObject* parent) : QObject(parent) {}

void SettingsStore::load()
{
    // Read from where it is saved: the player's folder, whatever the
    // current directory is.
    char bytes[kSettingsBytes];
    if (!platform::readRecord(settingsPath(), bytes, sizeof bytes)) {
        save(current_);
        return;
    }
    use(decodeSettings(bytes));
}

void SettingsStore::save(const SettingsRecord& s)
{
    const QByteArray bytes = encodeSettings(s);
    platform::writeRecordAtomic(settingsPath(), bytes.constData(), bytes.size());
    use(s);
}

void SettingsStore::use(const SettingsRecord& s)
{
    current_ = s;
    emit changed();
}

} // namespace players
