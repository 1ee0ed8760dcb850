// The modal windows of the clock: the options sheet (the values handed out, taken
// back and applied) and the about box; and the manual.
#include "clock/CClockDialog.h"

#include "ui/Redraw.h"

#include "app/Manual.h"
#include "controls/CAboutDialog.h"
#include "clock/IllustrationPick.h"
#include "options/COptionPropertySheet.h"
#include "resource.h"

namespace {}  // namespace

template <class Run>
INT_PTR CClockDialog::RunModal(Run run) {
    SetModalState(true);
    INT_PTR result = run();
    SetModalState(false);
    return result;
}

void CClockDialog::SetModalState(bool open) {
    EnableWindow(m_hwnd, open ? FALSE : TRUE);
    if (!m_owner) return;
    m_owner->SetTrayIcon(open ? IDI_TRAY_DIALOG : m_settings.Minimize ? IDI_TRAY_MINIMIZED : IDI_TRAY_NORMAL);
}

void CClockDialog::ShowAbout() {
    CAboutDialog about;
    about.m_topMost = m_settings.TopMost;
    about.m_programFolder = m_env.programFolder;
    about.m_shell = m_env.linkShell;
    RunModal([&] { return about.DoModal(m_hwnd); });
}

void CClockDialog::ShowManual() { OpenManual(m_hwnd, m_env.programFolder, m_env.linkShell); }

void CClockDialog::ShowOptions() {
    COptionPropertySheet sheet(*this, m_settings.TopMost != 0);
    sheet.Load(CurrentOptionValues());
    if (RunModal([&] { return sheet.DoModal(m_hwnd); }) == IDOK) ApplyOptions(sheet.Collect());
}

OptionValues CClockDialog::CurrentOptionValues() const {
    return {m_settings, m_illustrationIndex, m_illustrationNames, m_shownFlags, m_sounds, m_alarms};
}

POINT CClockDialog::WindowTopLeft() const {
    if (m_settings.Minimize) return m_restorePosition;  // the hidden window stands near the taskbar
    pokomi::Rect window = WindowRect();
    return {window.left, window.top};
}

void CClockDialog::ShowIllustration(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_illustrationNames.size()) return;
    m_illustrationIndex = index;
    ui::RedrawNow(m_hwnd);
}

void CClockDialog::ApplyOptions(const OptionValues& values) {
    TakeEditedSettings(m_settings, values.settings);
    WakeReturnHomeCount();
    m_pictureChangeCount = 0;
    SetShownFlags(values.shownFlags);
    SetSounds(values.sounds);
    SetAlarms(values.alarms);
    m_illustrationIndex =
        RepickIllustration(static_cast<int>(m_illustrationNames.size()), m_shownFlags, m_illustrationIndex, m_random);
    ShowLabel(m_settings.CaptionClock != 0);
    RebuildDueList();
    SaveAll();
    ui::RedrawNow(m_hwnd);
}
