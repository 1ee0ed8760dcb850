// The application: creates the invisible main window, which creates the clock.
#pragma once
#include "ui/Environment.h"

class CClockTrayWnd;

class CClockApp {
public:
    explicit CClockApp(ui::Environment env) : m_env(std::move(env)) {}
    bool InitInstance();
    CClockTrayWnd* MainWindow() const { return m_mainWindow; }

private:
    ui::Environment m_env;
    CClockTrayWnd* m_mainWindow = nullptr;
};
