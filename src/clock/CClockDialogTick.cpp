// The timer tick: everything that depends on the time of day.
#include "clock/CClockDialog.h"

#include "ui/Redraw.h"

#include "alarms/AlarmRules.h"
#include "clock/FaceGeometry.h"
#include "clock/IllustrationPick.h"
#include "clock/TimeText.h"

using namespace pokomi;

namespace {

constexpr int kQuietTicksBeforeReturn = 10;  // 3 seconds of the 300 ms timer

std::wstring LocaleText(LCTYPE type, const wchar_t* fallback) {
    wchar_t buffer[32] = {};
    int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 32);
    return length > 1 ? std::wstring(buffer) : std::wstring(fallback);
}

}  // namespace

DayPeriodWords CClockDialog::DayPeriods() {
    static const DayPeriodWords words{LocaleText(LOCALE_S1159, L"AM"), LocaleText(LOCALE_S2359, L"PM")};
    return words;
}

bool CClockDialog::OnTimer(UINT_PTR id) {
    Tick(id);
    return true;
}

void CClockDialog::Tick(UINT_PTR id) {
    if (id == kReturnHomeTimer) CountQuietTime();
    LocalTime now = m_env.now();
    int hour12 = now.Hour12();
    bool newHour = hour12 != m_lastHour;
    bool newMinute = now.minute != m_lastMinute;
    if (newHour) RebuildDueList();
    if (newMinute && !m_dueList.IsEmpty()) {
        AlarmList firing = SelectDueThisMinute(m_dueList, now.minute);
        if (!firing.IsEmpty()) ShowDueMessages(firing);
    }
    if (newHour && now.minute == 0) PlayEventSound(SoundEvent::Time);
    if (now.second == m_lastSecond && !newMinute && !newHour) return;
    if (m_settings.Minimize) {  // hidden: the time is followed, nothing is drawn
        SetLastDrawnTime(hour12, now.minute, now.second);
        return;
    }
    ui::gdi::ClientDC dc(m_hwnd);
    SelectClockMapping(dc.Get());
    if (newMinute) MinuteRefresh(dc.Get(), now);
    if (now.second != m_lastSecond) SecondStep(dc.Get(), now);
}

// Counts 300 ms ticks without movement; the tenth one sends the window home.
void CClockDialog::CountQuietTime() {
    if (IsWindowEnabled(m_hwnd) && !m_env.leftButtonDown()) {
        if (++m_returnHomeCount == kQuietTicksBeforeReturn) ReturnHome();
    } else {
        m_returnHomeCount = 0;
    }
}

void CClockDialog::AdvancePictureChange() {
    if (m_settings.UpdateIllust) ++m_pictureChangeCount;
    if (m_pictureChangeCount != m_settings.UpdateElapse) return;
    IllustrationChange change =
        PickNextIllustration(static_cast<int>(m_illustrationNames.size()), m_shownFlags, m_illustrationIndex, m_random);
    m_illustrationIndex = change.index;
    if (change.changed) PlayEventSound(SoundEvent::Update);
    m_pictureChangeCount = 0;
}

void CClockDialog::SetLastDrawnTime(int hour12, int minute, int second) {
    m_lastHour = hour12;
    m_lastMinute = minute;
    m_lastSecond = second;
}

// The face as a paint draws it, at the new minute. Its second hand stands at the
// last drawn second, where the second step that follows takes it off again.
void CClockDialog::MinuteRefresh(HDC dc, const LocalTime& now) {
    AdvancePictureChange();
    SetLastDrawnTime(now.Hour12(), now.minute, m_lastSecond);
    PaintFace(dc);
    RedrawCaptionControls(false);
}

void CClockDialog::SecondStep(HDC dc, const LocalTime& now) {
    bool withSeconds = m_settings.SecondHand != 0;
    std::wstring name = static_cast<size_t>(m_illustrationIndex) < m_illustrationNames.size()
                            ? m_illustrationNames[static_cast<size_t>(m_illustrationIndex)]
                            : std::wstring();
    SetTooltipText(FormatTooltipText(now, withSeconds, DayPeriods(), name));
    SetWindowTextW(m_label.Handle(), FormatTimeText(now, withSeconds, DayPeriods()).c_str());
    ui::RedrawNow(m_label.Handle());
    // While the hand is hidden its second is not followed: no hand stands on the face
    // to be taken off, and the texts above are refreshed on every tick meanwhile. When
    // the hand is shown again, a full repaint draws it at this second first.
    if (!withSeconds) return;
    StepSecondHand(dc, m_lastSecond, now.second);
    SetLastDrawnTime(m_lastHour, m_lastMinute, now.second);
}

void CClockDialog::StepSecondHand(HDC dc, int oldSecond, int newSecond) const {
    DrawSecondHand(dc, kSecondHand.length, kSecondHand.divisor, HandAnglesFor(0, 0, oldSecond).second);
    DrawSecondHand(dc, kSecondHand.length, kSecondHand.divisor, HandAnglesFor(0, 0, newSecond).second);
}

void CClockDialog::SetTooltipText(const std::wstring& text) {
    m_tooltip.SetText(text);
    if (m_tooltip.Handle()) SendMessageW(m_tooltip.Handle(), TTM_UPDATE, 0, 0);
}
