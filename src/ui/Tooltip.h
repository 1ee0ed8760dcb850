// A tooltip control owned by one window, with rectangular tools in that window's
// client area. The owner relays its mouse messages from its own window procedure,
// so the tips work also inside modal loops that are not ours (a property sheet).
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class Tooltip {
public:
    static constexpr UINT_PTR kClientTool = 1;  // the tool over the whole client area

    Tooltip() = default;
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;
    ~Tooltip() { Destroy(); }

    bool Create(HWND owner);
    // With one tool over the owner's whole client area showing the text.
    bool Create(HWND owner, const std::wstring& text);
    // With one tool over the owner's whole client area whose text the owner gives each
    // time the tip is about to show or the text is asked for (TTN_GETDISPINFOW for
    // kClientTool), so a text that changes all the time costs nothing while no tip shows.
    bool CreateAskingOwner(HWND owner);
    void Destroy();
    HWND Handle() const { return m_tooltip; }

    void AddTool(UINT_PTR id, const RECT& client, const std::wstring& text);
    void SetText(const std::wstring& text);  // of the client-area tool, added when missing
    std::wstring Text() const;               // as the tooltip window holds it (or asks for it)
    // A tip on the screen asks for its text again; a hidden one will when it shows.
    void RefreshIfShowing() const;
    void FitToClient();  // after the owner changed its size
    void Activate(bool active) const;
    // Hands a mouse message of the owner to the tooltip; other messages are ignored.
    void Relay(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Hands a message from the message loop (for the owner or a child) to the tooltip.
    void RelayEvent(const MSG& msg) const;

private:
    HWND m_owner = nullptr;
    HWND m_tooltip = nullptr;
    size_t m_textLength = 0;
    bool m_hasClientTool = false;
    bool m_ownerGivesText = false;
};

}  // namespace ui
