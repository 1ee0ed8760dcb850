// The application: creates the invisible main window, which creates the clock.
#pragma once
#include "app/Environment.h"

class CClockTrayWnd;

class CClockApp {
public:
    explicit CClockApp(Environment env) : m_env(std::move(env)) {}
    bool InitInstance();
    CClockTrayWnd* MainWindow() const { return m_mainWindow; }

private:
    Environment m_env;
    CClockTrayWnd* m_mainWindow = nullptr;
};
