// A tooltip window with one tool covering the whole client area of a window. The
// window relays its own mouse messages, so the tip works in any message loop,
// modal ones included.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class Tooltip {
public:
    Tooltip() = default;
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;
    ~Tooltip() { Destroy(); }

    // Creates the tooltip owned by `tool` with the text as its one tool; false when it could not.
    bool Create(HWND tool, const std::wstring& text);
    void SetText(const std::wstring& text);
    std::wstring Text() const;  // as the tooltip window holds it
    void FitToClient();         // after the tool window changed its size
    void Relay(UINT message, WPARAM wParam, LPARAM lParam);
    void Destroy();
    HWND Handle() const { return m_tooltip; }

private:
    HWND m_tooltip = nullptr;
    HWND m_tool = nullptr;
    std::wstring m_text;
};

}  // namespace ui
