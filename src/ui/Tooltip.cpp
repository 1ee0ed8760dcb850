#include "ui/Tooltip.h"

#include <commctrl.h>
#include <windowsx.h>

namespace ui {

bool Tooltip::Create(HWND owner) {
    Destroy();
    m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    m_owner = m_tooltip ? owner : nullptr;
    return m_tooltip != nullptr;
}

void Tooltip::Destroy() {
    // The system destroys an owned tooltip together with its owner.
    if (m_tooltip && IsWindow(m_tooltip)) DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
    m_owner = nullptr;
}

void Tooltip::AddTool(UINT_PTR id, const RECT& client, const std::wstring& text) {
    if (!m_tooltip) return;
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = m_owner;
    info.uId = id;
    info.rect = client;
    info.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the control
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::Relay(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!m_tooltip || message < WM_MOUSEFIRST || message > WM_MOUSELAST) return;
    MSG msg{m_owner, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    DWORD pos = GetMessagePos();
    msg.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
    SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace ui
