// Moves values between a dialog's controls and plain member fields, in one
// direction at a time. Saving validates: a refused value is reported in a message
// box, the focus goes back to its control and the rest of the exchange is skipped.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// A message box as the program shows it; tests put their own in its place.
using MessageBoxFunction =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;
MessageBoxFunction SystemMessageBox();

// How a dialog reports a refused value.
struct Messages {
    MessageBoxFunction show = SystemMessageBox();
    std::wstring caption;
};

class DataExchange {
public:
    DataExchange(HWND dialog, bool saving, const Messages& messages);

    bool Saving() const { return m_saving; }
    HWND Dialog() const { return m_dialog; }
    bool Failed() const { return m_failed; }

    void Text(int id, std::wstring& value);
    void Check(int id, int& value);      // a check box's state as 0 or 1
    void ListIndex(int id, int& index);  // a list box's selection, -1 for none
    // A whole number from low to high; any other text is refused.
    void Int(int id, int& value, int low, int high);
    // Refuses the value of a control: says why, puts the focus back on it, stops.
    void Fail(int id, const std::wstring& why);

private:
    bool Skipping() const { return m_failed; }

    HWND m_dialog;
    bool m_saving;
    const Messages& m_messages;
    bool m_failed = false;
};

}  // namespace ui
