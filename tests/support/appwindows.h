#pragma once
// The windows and stores of the program the current test runs (see Forms),
// by the names the tests use for them.
#include "app/app.h"
#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "game/leveldonedialog.h"
#include "game/timeupdialog.h"
#include "menus/aboutdialog.h"
#include "menus/leveljumpdialog.h"
#include "menus/rulesdialog.h"
#include "menus/startwindow.h"
#include "players/playerdialog.h"
#include "players/settingsdialog.h"

namespace testsupport {
// The program of the running Forms; made on first use if none runs.
app::App& app();
} // namespace testsupport

inline StartWindow* startWindow() { return testsupport::app().startWindow(); }
inline GameWindow* gameWindow() { return testsupport::app().gameWindow(); }
inline PlayerDialog* playerDialog() { return testsupport::app().playerDialog(); }
inline LevelDoneDialog* levelDoneDialog() { return testsupport::app().levelDoneDialog(); }
inline TimeUpDialog* timeUpDialog() { return testsupport::app().timeUpDialog(); }
inline GameCompleteDialog* gameCompleteDialog() { return testsupport::app().gameCompleteDialog(); }
inline LevelJumpDialog* levelJumpDialog() { return testsupport::app().levelJumpDialog(); }
inline SettingsDialog* settingsDialog() { return testsupport::app().settingsDialog(); }
inline RulesDialog* rulesDialog() { return testsupport::app().rulesDialog(); }
inline AboutDialog* aboutDialog() { return testsupport::app().aboutDialog(); }
inline players::PlayerStore* playerStore() { return &testsupport::app().players(); }
inline players::SettingsStore* settingsStore() { return &testsupport::app().settings(); }
template <typename W> bool built() { return testsupport::app().built<W>(); }
// Whether `w` is a window of type W, without building one.
template <typename W> bool is(const QWidget* w) { return qobject_cast<const W*>(w) != nullptr; }
