#include "controls/CTipToolBar.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/Resources.h"

namespace {

constexpr UINT kToolBarResourceType = 241;
constexpr int kSeparatorWidth = 8;
constexpr int kButtonMargin = 7;
constexpr size_t kMaxStringLength = 255;

// The resource: version, bitmap width, bitmap height, item count, then the item IDs, all 16-bit.
struct ToolBarResource {
    int width = 0;
    int height = 0;
    std::vector<UINT> items;
};

bool ReadToolBarResource(UINT id, ToolBarResource& out) {
    HINSTANCE instance = ui::Instance();
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(kToolBarResourceType));
    if (!found) return false;
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    size_t wordCount = SizeofResource(instance, found) / sizeof(WORD);
    if (!words || wordCount < 4) return false;
    size_t count = words[3];
    if (wordCount < 4 + count) return false;
    out.width = words[1];
    out.height = words[2];
    out.items.assign(words + 4, words + 4 + count);
    return true;  // resources are never freed explicitly in Win32
}

}  // namespace

bool CTipToolBar::Create(const ToolBarCreateArgs& args) {
    const RECT& r = args.rect;
    HWND hwnd = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, args.style | WS_CHILD, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                ui::Instance(), nullptr);
    if (!hwnd) return false;
    if (AttachHandle(hwnd)) {
        Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
        return true;
    }
    DestroyWindow(hwnd);
    return false;
}

bool CTipToolBar::LoadToolBar(UINT resourceId, DpiScale scale) {
    ToolBarResource resource;
    if (!m_hwnd || !ReadToolBarResource(resourceId, resource)) return false;
    // The image size must be known before the first bitmap is added.
    const SIZE image{scale.Px(resource.width), scale.Px(resource.height)};
    Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(image.cx, image.cy));
    int images =
        static_cast<int>(std::count_if(resource.items.begin(), resource.items.end(), [](UINT id) { return id != 0; }));
    TBADDBITMAP bitmap{ui::Instance(), resourceId};
    if (!scale.IsDesign()) {
        m_scaledImages = ui::LoadMappedArt(resourceId, scale);
        if (!m_scaledImages) return false;
        bitmap = {nullptr, reinterpret_cast<UINT_PTR>(m_scaledImages.Get())};
    }
    if (Send(TB_ADDBITMAP, static_cast<WPARAM>(images), &bitmap) < 0) return false;
    if (!SetButtons(resource.items)) return false;
    Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(image.cx + kButtonMargin, image.cy + kButtonMargin));
    return true;
}

bool CTipToolBar::SetButtons(const std::vector<UINT>& commandIds) {
    if (!m_hwnd) return false;
    while (Send(TB_BUTTONCOUNT) > 0)
        if (!Send(TB_DELETEBUTTON)) return false;
    int image = 0;
    for (UINT id : commandIds) {
        TBBUTTON button{};
        if (id == 0) {
            button.iBitmap = kSeparatorWidth;
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = static_cast<int>(id);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        if (!Send(TB_ADDBUTTONSW, 1, &button)) return false;
    }
    return true;
}

std::wstring CTipToolBar::TipText(UINT commandId) {
    std::wstring text = ui::LoadStringResource(commandId).substr(0, kMaxStringLength);
    size_t newline = text.find(L'\n');
    if (newline == std::wstring::npos) return std::wstring();
    text = text.substr(newline + 1);
    // The sub-string ends at the next newline, and must fit the tip buffer.
    text = text.substr(0, text.find(L'\n'));
    return text.substr(0, kTipBufferSize - 1);
}

LRESULT CTipToolBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY:
        if (OnNeedText(reinterpret_cast<NMHDR*>(lParam))) return 1;
        return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

// The tooltip of this Unicode toolbar asks with TTN_NEEDTEXTW.
bool CTipToolBar::OnNeedText(NMHDR* header) {
    if (!header || header->code != TTN_NEEDTEXTW) return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    UINT id = static_cast<UINT>(header->idFrom);
    if (info->uFlags & TTF_IDISHWND) id = static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
    std::wstring tip = TipText(id);
    lstrcpynW(info->szText, tip.c_str(), static_cast<int>(kTipBufferSize));
    info->lpszText = info->szText;
    info->hinst = nullptr;
    return true;
}
