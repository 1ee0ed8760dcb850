// A tooltip control owned by one window, with rectangular tools in that window's
// client area. The owner relays its mouse messages from its own window procedure,
// so the tips work also inside modal loops that are not ours (a property sheet).
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

    bool Create(HWND owner);
    void Destroy();
    HWND Handle() const { return m_tooltip; }

    void AddTool(UINT_PTR id, const RECT& client, const std::wstring& text);
    // Hands a mouse message of the owner to the tooltip; other messages are ignored.
    void Relay(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HWND m_owner = nullptr;
    HWND m_tooltip = nullptr;
};

}  // namespace ui
