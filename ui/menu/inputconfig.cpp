// "INPUT CONFIGURE": the input configuration of the audio interface, by number, with a summary of
// what it switches on drawn below.
#include "orvel/orvelconfig.h"
#include "ui/menu/menu.h"
#include "uicore/uipoweron.h"

namespace {

UISetting InputType = Number(0, 15, "%d", "__").By<InputConfigPageHandler>();

UIMenuPage<1> InputConfigure = MenuPage("INPUT CONFIGURE", InputConfigure, {.Rows = 1, .Column = 109}, {
    Row("INPUT TYPE   ", InputType),
});

}  // namespace

UIPage InputConfigurePage = PageOf(InputConfigure, InputConfigPageHandler);

const UIKeepsPowerOn KeptInputConfigure{InputConfigure, InputConfigurePage};
