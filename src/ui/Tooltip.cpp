#include "ui/Tooltip.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "ui/Resources.h"

namespace ui {

namespace {

TOOLINFOW ToolInfo(HWND owner, UINT_PTR id) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = owner;
    info.uId = id;
    return info;
}

}  // namespace

bool Tooltip::Create(HWND owner) {
    Destroy();
    m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, Instance(), nullptr);
    m_owner = m_tooltip ? owner : nullptr;
    return m_tooltip != nullptr;
}

bool Tooltip::Create(HWND owner, const std::wstring& text) {
    if (!Create(owner)) return false;
    RECT client{};
    GetClientRect(owner, &client);
    AddTool(kClientTool, client, text);
    return true;
}

bool Tooltip::CreateAskingOwner(HWND owner) {
    if (!Create(owner)) return false;
    RECT client{};
    GetClientRect(owner, &client);
    TOOLINFOW info = ToolInfo(m_owner, kClientTool);
    info.rect = client;
    info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    m_hasClientTool = true;
    m_ownerGivesText = true;
    return true;
}

void Tooltip::Destroy() {
    // The system destroys an owned tooltip together with its owner.
    if (m_tooltip && IsWindow(m_tooltip)) DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
    m_owner = nullptr;
    m_hasClientTool = false;
    m_ownerGivesText = false;
}

void Tooltip::Activate(bool active) const {
    if (m_tooltip) SendMessageW(m_tooltip, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void Tooltip::RelayEvent(const MSG& msg) const {
    if (m_tooltip) SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void Tooltip::AddTool(UINT_PTR id, const RECT& client, const std::wstring& text) {
    if (!m_tooltip) return;
    TOOLINFOW info = ToolInfo(m_owner, id);
    info.rect = client;
    info.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the control
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (id != kClientTool) return;
    m_textLength = text.size();
    m_hasClientTool = true;
}

void Tooltip::SetText(const std::wstring& text) {
    if (!m_tooltip) return;
    if (!m_hasClientTool) {
        RECT client{};
        GetClientRect(m_owner, &client);
        AddTool(kClientTool, client, text);
        return;
    }
    TOOLINFOW info = ToolInfo(m_owner, kClientTool);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    m_textLength = text.size();
    m_ownerGivesText = false;
}

void Tooltip::RefreshIfShowing() const {
    if (!m_tooltip || !IsWindowVisible(m_tooltip)) return;
    if (m_ownerGivesText) {  // given again: the showing tip asks its owner anew
        TOOLINFOW info = ToolInfo(m_owner, kClientTool);
        info.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    }
    SendMessageW(m_tooltip, TTM_UPDATE, 0, 0);
}

std::wstring Tooltip::Text() const {
    if (!m_tooltip) return {};
    // The control copies at most INFOTIPSIZE characters of a text its owner gives.
    std::vector<wchar_t> buffer(m_ownerGivesText ? INFOTIPSIZE + 1 : m_textLength + 2, L'\0');
    TOOLINFOW info = ToolInfo(m_owner, kClientTool);
    info.lpszText = buffer.data();
    SendMessageW(m_tooltip, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
    return buffer.data();
}

void Tooltip::FitToClient() {
    if (!m_tooltip) return;
    TOOLINFOW info = ToolInfo(m_owner, kClientTool);
    GetClientRect(m_owner, &info.rect);
    SendMessageW(m_tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::Relay(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!m_tooltip || message < WM_MOUSEFIRST || message > WM_MOUSELAST) return;
    MSG msg{m_owner, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    DWORD pos = GetMessagePos();
    msg.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
    SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace ui
