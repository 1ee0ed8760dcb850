#include <windows.h>

#include "app/CClockApp.h"
#include "ui/Dialog.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CClockApp app(MakeSystemEnvironment());
    if (!app.InitInstance()) return 1;
    return ui::RunMessageLoop();
}
