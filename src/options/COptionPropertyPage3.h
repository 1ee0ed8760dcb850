// The illustration page: which pictures take part in the changes, a picture shown
// at once, and whether and how often the picture changes by itself.
#pragma once

#include <string>
#include <vector>

#include "controls/CCheckListBox.h"
#include "options/COptionPage.h"

class COptionPropertyPage3 : public COptionPage {
public:
    static constexpr int kMinInterval = 1;
    static constexpr int kMaxInterval = 1440;

    COptionPropertyPage3();

    void Load(const OptionValues& values) override;
    void Store(OptionValues& values) const override;

    std::vector<std::wstring> m_names;
    std::vector<int> m_flags;
    int m_currentIndex = -1;
    int m_periodicUpdate = 0;
    int m_interval = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void OnListChanged();
    void OnSelectAll();
    void OnShowNow();
    void EnableInterval();
    void EnableShowNow();

    CCheckListBox m_list;
    std::wstring m_unreadableFile;  // Illust.ini or Show.ini when it could not be read
};
