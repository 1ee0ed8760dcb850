#include "app/CClockApp.h"

#include <commctrl.h>

#include "app/CClockTrayWnd.h"

bool CClockApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    auto* window = new CClockTrayWnd(m_env);
    if (!window->CreateTrayWnd()) {
        delete window;
        return false;
    }
    m_mainWindow = window;
    return true;
}
