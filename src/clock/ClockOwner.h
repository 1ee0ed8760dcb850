// What the clock window needs of the program's main window, which creates it: the
// clock reaches its owner only through this, so the windows point one way.
#pragma once
#include <windows.h>

class ClockOwner {
public:
    virtual ~ClockOwner() = default;
    // The notification icon: 133 normal, 175 minimised, 173 while a dialog of the clock is open.
    virtual void SetTrayIcon(UINT iconId) = 0;
    // The invisible main window: it owns the message windows and closes after the clock.
    virtual HWND MainWindow() const = 0;
    // The clock window is gone; its object deletes itself next.
    virtual void ClockDestroyed() = 0;
};
