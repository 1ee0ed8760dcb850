// The clock page: the digital clock, the second hand and the numerals with their
// font, the height of the clock in the window, and the colours of the hands.
#pragma once

#include "controls/CColourPicker.h"
#include "options/COptionPage.h"
#include "options/ClockPageRules.h"

class COptionPropertyPage1 : public COptionPage {
public:
    COptionPropertyPage1();

    void Load(const OptionValues& values) override;
    void Store(OptionValues& values) const override;

    int m_height = 0;
    HandColours m_colours;
    LOGFONTW m_dialFont{};
    int m_secondHand = 0;
    int m_dialFace = 0;
    int m_digitalClock = 0;

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnButtonClicked(WORD id) override;

private:
    void OnChooseFont();
    void OnRestoreStandard();
    void OnVScroll(WORD code, HWND scrollBar);
    void OnColourChosen(COLORREF colour, int id);
    void ShowColours();
    void EnableFontButton();
    void SetTrackPosition(int height) const;
    int TrackPosition() const;

    CColourPicker m_linePicker;
    CColourPicker m_fillPicker;
    bool m_trackMoved = false;  // the user moved the track bar since the page opened
};
