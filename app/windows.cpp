#include "app/windows.h"

#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "menus/aboutdialog.h"
#include "menus/leveljumpdialog.h"
#include "menus/rulesdialog.h"
#include "menus/startwindow.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"

namespace app {

void showStartWindow()
{
    platform::setupFonts();
    platform::setupStockTexts();
    startWindow->showThenRunShowSequence();
}

void createWindows()
{
    platform::setupFonts();
    platform::setupStockTexts();
    startWindow.get();
    gameWindow.get();
    playerDialog.get();
    levelDoneDialog.get();
    timeUpDialog.get();
    gameCompleteDialog.get();
    levelJumpDialog.get();
    settingsDialog.get();
    rulesDialog.get();
    aboutDialog.get();
}

void destroyWindows()
{
    aboutDialog.destroy();
    rulesDialog.destroy();
    settingsDialog.destroy();
    levelJumpDialog.destroy();
    gameCompleteDialog.destroy();
    timeUpDialog.destroy();
    levelDoneDialog.destroy();
    playerDialog.destroy();
    gameWindow.destroy();
    startWindow.destroy();
    settings::reset();
}

} // namespace app
