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

void createForms()
{
    platform::setupFonts();
    platform::setupStockTexts();
    Form2 = new TForm2;
    Form1 = new TForm1;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form7 = new TForm7;
    Form8 = new TForm8;
    Form9 = new TForm9;
    Form10 = new TForm10;
}

namespace {
template <typename T> void destroy(T*& form)
{
    delete form;
    form = nullptr;
}
} // namespace

void destroyForms()
{
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form7);
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(Form1);
    destroy(Form2);
}

} // namespace app
