// The options page of alarms ("アラームとメッセージ"): the alarms in a list, added with
// the wizard, deleted, edited in the alarm property sheet and tried out at once.
// It edits a working copy that OK and Apply hand back to the clock.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "content/AlarmEntry.h"
#include "alarms/CAlarmListView.h"
#include "options/COptionPage.h"

class COptionPropertyPage5 : public COptionPage {
public:
    COptionPropertyPage5();

    void Load(const OptionValues& values) override {
        m_alarms = values.alarms;
        m_unreadableFile = values.unreadableAlarmsFile;
    }
    void Store(OptionValues& values) const override { values.alarms = m_alarms; }

    AlarmList m_alarms;  // in the clock's order; new alarms go to the end

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    void OnAdd();
    void OnDelete();
    void OnProperties();
    void OnTest();
    void EnableRowButtons() const;
    // The position of the first alarm that the row stands for.
    std::optional<std::size_t> EntryOfRow(int row) const;
    int Ask(const std::wstring& text, UINT type) const;

    CAlarmListView m_list;
    std::wstring m_unreadableFile;  // Message.ini when it could not be read
};
