#include "ui/Tooltip.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "ui/Resources.h"

namespace ui {

namespace {

constexpr UINT_PTR kToolId = 1;

TOOLINFOW ToolInfoOf(HWND tool) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = tool;
    info.uId = kToolId;
    return info;
}

}  // namespace

bool Tooltip::Create(HWND tool, const std::wstring& text) {
    Destroy();
    m_tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, tool, nullptr, Instance(), nullptr);
    if (!m_tooltip) return false;
    m_tool = tool;
    m_text = text;
    TOOLINFOW info = ToolInfoOf(m_tool);
    info.lpszText = m_text.data();
    GetClientRect(tool, &info.rect);
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

void Tooltip::SetText(const std::wstring& text) {
    m_text = text;
    if (!m_tooltip) return;
    TOOLINFOW info = ToolInfoOf(m_tool);
    info.lpszText = m_text.data();
    SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring Tooltip::Text() const {
    if (!m_tooltip) return {};
    std::vector<wchar_t> buffer(m_text.size() + 2, L'\0');
    TOOLINFOW info = ToolInfoOf(m_tool);
    info.lpszText = buffer.data();
    SendMessageW(m_tooltip, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
    return buffer.data();
}

void Tooltip::FitToClient() {
    if (!m_tooltip) return;
    TOOLINFOW info = ToolInfoOf(m_tool);
    GetClientRect(m_tool, &info.rect);
    SendMessageW(m_tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::Relay(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_tooltip) return;
    MSG msg{m_tool, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    DWORD pos = GetMessagePos();
    msg.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
    SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void Tooltip::Destroy() {
    if (m_tooltip && IsWindow(m_tooltip)) DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
    m_tool = nullptr;
}

}  // namespace ui
