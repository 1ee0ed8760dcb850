#include "ui/DataExchange.h"

#include <cwctype>
#include <optional>

#include "ui/Text.h"

namespace ui {

namespace {

// A whole number in decimal, blanks around it allowed; nullopt for anything else.
std::optional<long long> ParseWholeNumber(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    long long value = 0;
    size_t digits = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, ++digits) {
        if (value > 1'000'000'000'000LL) return std::nullopt;
        value = value * 10 + (text[i] - L'0');
    }
    while (i < text.size() && std::iswspace(text[i])) ++i;
    if (digits == 0 || i != text.size()) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

MessageBoxFunction SystemMessageBox() {
    return [](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    };
}

DataExchange::DataExchange(HWND dialog, bool saving, const Messages& messages)
    : m_dialog(dialog), m_saving(saving), m_messages(messages) {}

void DataExchange::Text(int id, std::wstring& value) {
    if (Skipping()) return;
    HWND control = GetDlgItem(m_dialog, id);
    if (m_saving)
        value = WindowText(control);
    else
        SetWindowTextW(control, value.c_str());
}

void DataExchange::Check(int id, int& value) {
    if (Skipping()) return;
    if (m_saving)
        value = IsDlgButtonChecked(m_dialog, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(m_dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}

void DataExchange::ListIndex(int id, int& index) {
    if (Skipping()) return;
    if (m_saving) {
        LRESULT selected = SendDlgItemMessageW(m_dialog, id, LB_GETCURSEL, 0, 0);
        index = selected == LB_ERR ? -1 : static_cast<int>(selected);
    } else {
        SendDlgItemMessageW(m_dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void DataExchange::Int(int id, int& value, int low, int high) {
    if (Skipping()) return;
    if (!m_saving) {
        SetDlgItemInt(m_dialog, id, static_cast<UINT>(value), TRUE);
        return;
    }
    std::optional<long long> number = ParseWholeNumber(WindowText(GetDlgItem(m_dialog, id)));
    if (!number || *number < low || *number > high) {
        Fail(id, Format(L"%d から %d までの整数を入力してください。", low, high));
        return;
    }
    value = static_cast<int>(*number);
}

void DataExchange::Fail(int id, const std::wstring& why) {
    m_failed = true;
    if (m_messages.show) m_messages.show(m_dialog, why, m_messages.caption, MB_OK | MB_ICONEXCLAMATION);
    HWND control = GetDlgItem(m_dialog, id);
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace ui
