// Moves values between a dialog's controls and plain member fields, in one direction at a time.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}

    bool Saving() const { return m_saving; }
    HWND Dialog() const { return m_dialog; }

    void Text(int id, std::wstring& value);
    void Int(int id, int& value);
    void Check(int id, int& value);  // check box state 0/1

private:
    HWND m_dialog;
    bool m_saving;
};

}  // namespace ui
