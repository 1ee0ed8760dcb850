#include "alarms/CAlarmTextBoxes.h"

#include "resource.h"
#include "ui/WindowView.h"

CAlarmTextBoxes::Change CAlarmTextBoxes::ChangeOf(WORD id, WORD code) const {
    if (!m_page) return Change::None;
    if (id == m_browseId) return code == BN_CLICKED ? Change::Browse : Change::None;
    if (code != EN_CHANGE) return Change::None;
    switch (id) {
    case IDC_ALARM_SUBJECT: return Change::Subject;
    case IDC_ALARM_SOUND:
    case IDC_ALARM_MESSAGE: return Change::Content;
    default: return Change::None;
    }
}

AlarmTexts CAlarmTextBoxes::Read() const {
    auto text = [this](int id) { return ui::WindowView(m_page, id).Text(); };
    return {text(IDC_ALARM_SUBJECT), text(IDC_ALARM_SOUND), text(IDC_ALARM_MESSAGE)};
}

void CAlarmTextBoxes::Exchange(ui::DataExchange& exchange, AlarmTexts& texts) {
    exchange.Text(IDC_ALARM_SUBJECT, texts.Subject);
    exchange.Text(IDC_ALARM_SOUND, texts.Sound);
    exchange.Text(IDC_ALARM_MESSAGE, texts.Message);
}

void CAlarmTextBoxes::EnableContentBoxes() const {
    const bool enabled = AreContentBoxesEnabled(Read());
    ui::WindowView(m_page, IDC_ALARM_SOUND).Enable(enabled);
    ui::WindowView(m_page, IDC_ALARM_MESSAGE).Enable(enabled);
}

void CAlarmTextBoxes::BrowseForSound(const ui::Environment& env) const {
    if (!env.openWaveFile) return;
    if (const auto path = env.openWaveFile(GetAncestor(m_page, GA_ROOT), L"参照"))
        ui::WindowView(m_page, IDC_ALARM_SOUND).SetText(*path);
}
