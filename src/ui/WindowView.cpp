#include "ui/WindowView.h"

#include "ui/Text.h"

namespace ui {

std::wstring WindowView::Text() const { return WindowText(m_hwnd); }

}  // namespace ui
