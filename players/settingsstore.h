#pragma once
// The four settings (precise pointer, sounds, music, shadow pointer) and
// settings.dat. The settings window shows and saves them; everything else
// only reads them, without building that window.
#include <QObject>

#include "players/records.h"

namespace players {

class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(QObject* parent = nullptr);

    // Reads settings.dat; when it is missing, writes the settings held now.
    // A damaged file raises and leaves the settings as they were.
    void load();
    // Writes `s` to settings.dat and uses it; a failure raises and keeps the old.
    void save(const SettingsRecord& s);
    // Uses `s` from now on without writing it (the window closed unsaved).
    void use(const SettingsRecord& s);

    const SettingsRecord& current() const { return current_; }
    bool musicOn() const { return current_.music; }

signals:
    void changed();

private:
    SettingsRecord current_; // all on until settings.dat is read
};

} // namespace players
