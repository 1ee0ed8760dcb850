#include "controls/CCheckListBox.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/Gdi.h"

namespace {

constexpr int kMargin = 2;

}  // namespace

void CCheckListBox::OnAttached() {
    ui::gdi::ClientDC dc(m_hwnd);
    HFONT font = Font();
    ui::gdi::Select select(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    const int height = std::max<int>(metrics.tmHeight, CheckSide()) + kMargin;
    Send(LB_SETITEMHEIGHT, 0, height);
}

int CCheckListBox::CheckSide() const { return GetSystemMetrics(SM_CYMENUCHECK); }

int CCheckListBox::AddItem(const std::wstring& text, bool checked) {
    const auto index = static_cast<int>(Send(LB_ADDSTRING, 0, text.c_str()));
    if (index >= 0) Send(LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0);
    return index;
}

int CCheckListBox::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int CCheckListBox::Selection() const {
    const LRESULT selected = Send(LB_GETCURSEL);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

bool CCheckListBox::IsChecked(int index) const { return Send(LB_GETITEMDATA, static_cast<WPARAM>(index), 0) == 1; }

void CCheckListBox::SetCheck(int index, bool checked) {
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0);
    RECT item{};
    if (Send(LB_GETITEMRECT, static_cast<WPARAM>(index), &item) != LB_ERR) InvalidateRect(m_hwnd, &item, FALSE);
}

void CCheckListBox::Toggle(int index) {
    if (index < 0 || index >= Count()) return;
    SetCheck(index, !IsChecked(index));
    SendToParent(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hwnd), kCheckChanged), reinterpret_cast<LPARAM>(m_hwnd));
}

bool CCheckListBox::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

LRESULT CCheckListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        LRESULT result = Default(message, wParam, lParam);  // selects the line first
        OnLeftButtonDown(lParam);
        return result;
    }
    case WM_CHAR:
        if (wParam == L' ') {
            Toggle(Selection());
            return 0;
        }
        return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

bool CCheckListBox::OnLeftButtonDown(LPARAM point) {
    const LRESULT hit = Send(LB_ITEMFROMPOINT, 0, point);
    if (HIWORD(hit)) return false;  // below the last line
    const int x = GET_X_LPARAM(point);
    if (x < kMargin || x >= kMargin + CheckSide()) return false;
    Toggle(LOWORD(hit));
    return true;
}

void CCheckListBox::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const int index = static_cast<int>(item.itemID);
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    RECT line = item.rcItem;
    const int side = CheckSide();
    RECT box{line.left + kMargin, line.top + (line.bottom - line.top - side) / 2, 0, 0};
    box.right = box.left + side;
    box.bottom = box.top + side;
    {
        ui::gdi::Brush window = ui::gdi::MakeSolidBrush(GetSysColor(COLOR_WINDOW));
        RECT left{line.left, line.top, box.right + kMargin, line.bottom};
        FillRect(dc, &left, window.Get());
    }
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | (IsChecked(index) ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE));

    RECT text = line;
    text.left = box.right + kMargin;
    const int background = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    {
        ui::gdi::Brush brush = ui::gdi::MakeSolidBrush(GetSysColor(background));
        FillRect(dc, &text, brush.Get());
    }
    const auto length = static_cast<int>(Send(LB_GETTEXTLEN, item.itemID, 0));
    std::wstring label(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    Send(LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(label.data()));
    label.resize(static_cast<size_t>(std::max(length, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT inset = text;
    inset.left += kMargin;
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &inset,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &text);
}
