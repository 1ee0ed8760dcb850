// The timer tick: everything that depends on the time of day.
#include "clock/CClockDialog.h"

#include <utility>

#include "ui/Redraw.h"

#include "alarms/AlarmRules.h"
#include "clock/FaceGeometry.h"
#include "clock/IllustrationPick.h"
#include "clock/TickSchedule.h"
#include "clock/TimeText.h"

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
    if (id == kExitSoundTimer)
        FinishClose();  // the exit sound has had its time
    else if (!OnSnoozeTimer(id))
        Tick(id);
    return true;
}

void CClockDialog::Tick(UINT_PTR id) {
    if (id == kReturnHomeTimer) CountQuietTime();
    LocalTime now = m_env.now();
    FollowTime(now);
    if (id == kSecondTimer) KeepTickInStep(now);
}

// Besides the last drawn time, the tick keeps the whole minute it last handled. A tick
// that finds minutes between the two (the machine slept, the process was stopped) opens
// the alarms of those minutes late, and takes a new hour or minute from it even where
// the hour modulo 12 or the minute reads the same (a gap of whole hours).
void CClockDialog::FollowTime(const LocalTime& now) {
    int hour12 = now.Hour12();
    long long minute = MinuteNumber(now);
    std::optional<long long> handled = std::exchange(m_handledMinute, minute);
    bool moved = handled && *handled != minute;
    bool newHour = hour12 != m_lastHour || (moved && *handled / 60 != minute / 60);
    bool newMinute = now.minute != m_lastMinute;
    if (newMinute) RefreshDataFiles(true);  // a look at the files' stamps once a minute
    if (newHour) RebuildDueList();
    if (handled && minute - *handled > 1) ShowMissedMessages(TimeAtMinuteNumber(*handled), now);
    if ((newMinute || moved) && !m_dueList.IsEmpty()) {
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
    if (newMinute) MinuteRefresh(dc.Get(), now);
    if (now.second != m_lastSecond) SecondStep(dc.Get(), now);
}

// The second timer comes just after the change of second, or of minute while nothing is
// drawn; a tick that has drifted out of step re-arms it.
void CClockDialog::KeepTickInStep(const LocalTime& now) {
    if (m_tickElapse == 0) return;  // the timers are not running
    UINT elapse = static_cast<UINT>(NextTickElapse(m_settings.Minimize == 0, now));
    if (elapse == m_tickElapse) return;
    if (m_env.setTimer(m_hwnd, kSecondTimer, elapse)) m_tickElapse = elapse;
}

// Counts 300 ms ticks without movement; the tenth one sends the window home. Past it the
// count has nothing left to do: a return home now would find the window where the last
// one left it. So the timer rests until a move, a change of the window's enabled state,
// of the options or of the work area resets the count.
void CClockDialog::CountQuietTime() {
    if (IsWindowEnabled(m_hwnd) && !m_env.leftButtonDown()) {
        if (++m_returnHomeCount == kQuietTicksBeforeReturn) ReturnHome();
    } else {
        m_returnHomeCount = 0;
    }
    if (m_returnHomeCount >= kQuietTicksBeforeReturn && m_returnHomeTimerRuns) {
        KillTimer(m_hwnd, kReturnHomeTimer);
        m_returnHomeTimerRuns = false;
    }
}

void CClockDialog::WakeReturnHomeCount() {
    m_returnHomeCount = 0;
    if (m_returnHomeTimerRuns || m_tickElapse == 0) return;  // running, or the timers are not started
    m_returnHomeTimerRuns = m_env.setTimer(m_hwnd, kReturnHomeTimer, 300) != 0;
}

void CClockDialog::AdvancePictureChange() {
    if (m_settings.UpdateIllust) ++m_pictureChangeCount;
    if (m_pictureChangeCount != m_settings.UpdateElapse) return;
    IllustrationChange change = PickNextIllustration(static_cast<int>(IllustrationNames().size()), m_data.ShownFlags(),
                                                     m_illustrationIndex, m_random);
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
// last drawn second, where the second step that follows takes it off again. The
// caption controls keep their pixels: the face is not drawn under them.
void CClockDialog::MinuteRefresh(HDC dc, const LocalTime& now) {
    AdvancePictureChange();
    SetLastDrawnTime(now.Hour12(), now.minute, m_lastSecond);
    ui::gdi::SavedState saved(dc);
    ExcludeCaptionControls(dc);
    PaintFace(dc);
}

// The texts first, then the second hand. The tooltip asks for its text only when it
// is about to show, and the label's text is set only while it can be seen.
void CClockDialog::SecondStep(HDC dc, const LocalTime& now) {
    m_textTime = now;
    m_tooltip.RefreshIfShowing();
    RefreshLabel();
    // While the hand is hidden its second is not followed: no hand stands on the face
    // to be taken off, and the texts above are refreshed on every tick meanwhile. When
    // the hand is shown again, a full repaint draws it at this second first.
    if (!m_settings.SecondHand) return;
    StepSecondHand(dc, m_lastSecond, now.second);
    SetLastDrawnTime(m_lastHour, m_lastMinute, now.second);
}

// A hidden label keeps its old text; it is brought up to date as it is shown.
void CClockDialog::RefreshLabel() {
    if (!m_textTime || !m_settings.CaptionClock) return;
    std::wstring text = FormatTimeText(*m_textTime, m_settings.SecondHand != 0, DayPeriods());
    if (text == m_labelText) return;
    m_labelText = std::move(text);
    m_label.View().SetText(m_labelText);
    ui::RedrawNow(m_label.Handle());
}

void CClockDialog::ShowLabel(bool show) {
    if (show) RefreshLabel();
    m_label.View().Show(show);
}

// What the tooltip shows: the time of the last second step and the illustration's name.
const std::wstring& CClockDialog::TooltipText() {
    if (!m_textTime) return m_tooltipText;  // the start text, until the first second step
    std::wstring name = static_cast<size_t>(m_illustrationIndex) < IllustrationNames().size()
                            ? IllustrationNames()[static_cast<size_t>(m_illustrationIndex)]
                            : std::wstring();
    m_tooltipText = FormatTooltipText(*m_textTime, m_settings.SecondHand != 0, DayPeriods(), name);
    return m_tooltipText;
}

bool CClockDialog::OnNotify(NMHDR& header, LRESULT&) {
    if (header.hwndFrom != m_tooltip.Handle() || header.code != TTN_GETDISPINFOW) return false;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    info.lpszText = const_cast<wchar_t*>(TooltipText().c_str());  // read by the control before we return
    return true;
}
