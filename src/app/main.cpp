#include <windows.h>

#include "app/CClockApp.h"
#include "app/SystemEnvironment.h"
#include "app/SingleClock.h"
#include "ui/Dialog.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Environment env = MakeSystemEnvironment();
    SingleClock single(env.programFolder);
    if (!single.TakeOver()) return 0;  // the folder's clock came forward instead
    CClockApp app(std::move(env));
    if (!app.InitInstance()) return 1;
    return ui::RunMessageLoop();
}
