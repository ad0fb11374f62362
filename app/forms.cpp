#include "app/forms.h"

#include "game/uBoardFail.h"
#include "game/uBoardOK.h"
#include "game/uGratula.h"
#include "game/uMain.h"
#include "menus/uAbout.h"
#include "menus/uCheat.h"
#include "menus/uRules.h"
#include "menus/uStarter.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "players/uOptions.h"
#include "players/uPlayerSelect.h"

namespace app {

void showStartWindow()
{
    platform::setupFonts();
    platform::setupStockTexts();
    Form2->showThenRunShowSequence();
}

void createForms()
{
    platform::setupFonts();
    platform::setupStockTexts();
    Form2.get();
    Form1.get();
    Form3.get();
    Form4.get();
    Form5.get();
    Form6.get();
    Form7.get();
    Form8.get();
    Form9.get();
    Form10.get();
}

void destroyForms()
{
    Form10.destroy();
    Form9.destroy();
    Form8.destroy();
    Form7.destroy();
    Form6.destroy();
    Form5.destroy();
    Form4.destroy();
    Form3.destroy();
    Form1.destroy();
    Form2.destroy();
    settings::reset();
}

} // namespace app
