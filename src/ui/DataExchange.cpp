#include "ui/DataExchange.h"

#include "ui/Text.h"

namespace ui {

void DataExchange::Text(int id, std::wstring& value) {
    HWND control = GetDlgItem(m_dialog, id);
    if (m_saving)
        value = WindowText(control);
    else
        SetWindowTextW(control, value.c_str());
}

void DataExchange::Int(int id, int& value) {
    if (m_saving) {
        BOOL ok = FALSE;
        int read = static_cast<int>(GetDlgItemInt(m_dialog, id, &ok, TRUE));
        if (ok) value = read;
    } else {
        SetDlgItemInt(m_dialog, id, static_cast<UINT>(value), TRUE);
    }
}

void DataExchange::Check(int id, int& value) {
    if (m_saving)
        value = IsDlgButtonChecked(m_dialog, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(m_dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace ui
