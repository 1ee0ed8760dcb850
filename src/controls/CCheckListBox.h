// An owner-drawn list box with a check box on every line. A click on the box or
// the space bar toggles the selected line's check and tells the parent with a
// WM_COMMAND whose notification code is kCheckChanged.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Control.h"

class CCheckListBox : public ui::Control {
public:
    static constexpr WORD kCheckChanged = 0x4000;

    int AddItem(const std::wstring& text, bool checked);
    int Count() const;
    int Selection() const;  // -1 for none
    bool IsChecked(int index) const;
    void SetCheck(int index, bool checked);

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void OnAttached() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;
    int CheckSide() const;
    bool OnLeftButtonDown(LPARAM point);
    void Toggle(int index);
};
