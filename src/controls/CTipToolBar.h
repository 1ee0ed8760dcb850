// A toolbar control built from a toolbar resource (type 241) whose buttons take
// their tooltips from the string table: the text after the first newline of the
// string with the button's command ID.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "common/DpiScale.h"
#include "ui/Control.h"
#include "ui/Gdi.h"

struct ToolBarCreateArgs {
    HWND parent = nullptr;
    DWORD style = 0;
    RECT rect{0, 0, 0, 0};
    int id = 0;
};

class CTipToolBar : public ui::Control {
public:
    static constexpr size_t kTipBufferSize = 80;  // NMTTDISPINFO's own text buffer

    bool Create(const ToolBarCreateArgs& args);
    // Bitmap and buttons from the toolbar and bitmap resources of this ID, the images as
    // large as `scale` makes them; false when missing.
    bool LoadToolBar(UINT resourceId, DpiScale scale = {});
    // Replaces every button: ID 0 is a separator, any other ID a button with the next image.
    bool SetButtons(const std::vector<UINT>& commandIds);

    // The tip of a command: the text after the first "\n" of its string resource.
    static std::wstring TipText(UINT commandId);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnNeedText(NMHDR* header);

    ui::gdi::Bitmap m_scaledImages;  // the images away from 96 DPI; the toolbar copies them
};
