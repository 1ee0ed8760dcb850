// The modal windows of the clock: the options sheet (the values handed out, taken
// back and applied) and the about box; and the manual.
#include "clock/CClockDialog.h"

#include "ui/Redraw.h"

#include "controls/CLinkShell.h"
#include "controls/CAboutDialog.h"
#include "clock/IllustrationPick.h"
#include "alarms/COptionPropertyPage5.h"
#include "options/COptionPropertySheet.h"
#include "resource.h"

template <class Modal, class Run>
INT_PTR CClockDialog::RunModal(const Modal& modal, Run run) {
    m_modalWindow = [&modal] { return modal.Handle(); };
    SetModalState(true);
    INT_PTR result = run();
    SetModalState(false);
    m_modalWindow = nullptr;
    return result;
}

// A second command for a modal window of the clock brings the open one forward
// (with whatever it has opened itself) instead of opening another over it.
bool CClockDialog::BringModalForward() const {
    if (!m_modalWindow) return false;
    if (HWND open = m_modalWindow()) SetForegroundWindow(GetLastActivePopup(open));
    return true;
}

void CClockDialog::SetModalState(bool open) {
    View().Enable(!open);
    if (!m_owner) return;
    m_owner->SetTrayIcon(open ? IDI_TRAY_DIALOG : m_settings.Minimize ? IDI_TRAY_MINIMIZED : IDI_TRAY_NORMAL);
}

void CClockDialog::ShowAbout() {
    if (BringModalForward()) return;
    CAboutDialog about;
    about.m_topMost = m_settings.TopMost;
    about.m_programFolder = m_env.programFolder;
    about.m_shell = m_env.linkShell;
    about.m_monitors = m_env.monitors;
    RunModal(about, [&] { return about.DoModal(m_hwnd); });
}

void CClockDialog::ShowManual() { OpenManual(m_hwnd, m_env.programFolder, m_env.linkShell); }

// The pages start from the files as they are now: what changed on disk is read
// again, and a file that could not be read is tried once more. OK and Apply hand
// the values back through ApplyOptions while the sheet is still there.
void CClockDialog::ShowOptions() {
    if (BringModalForward()) return;
    RefreshDataFiles(false);
    COptionPropertyPage5 alarmPage;
    COptionPropertySheet sheet(*this, m_settings.TopMost != 0, alarmPage);
    sheet.Load(CurrentOptionValues());
    RunModal(sheet, [&] { return sheet.DoModal(m_hwnd); });
}

OptionValues CClockDialog::CurrentOptionValues() const {
    OptionValues values;
    values.settings = m_settings;
    values.illustrationIndex = m_illustrationIndex;
    values.illustrationNames = m_data.IllustrationNames();
    values.shownFlags = m_data.ShownFlags();
    values.sounds = m_data.Sounds();
    values.alarms = m_data.Alarms();
    auto unreadable = [&](DataFile file) { return m_data.Known(file) ? std::wstring() : m_dataStore.PathOf(file); };
    values.unreadableFlagsFile =
        m_data.Known(DataFile::Illust) ? unreadable(DataFile::Show) : unreadable(DataFile::Illust);
    values.unreadableSoundsFile = unreadable(DataFile::Sound);
    values.unreadableAlarmsFile = unreadable(DataFile::Message);
    return values;
}

POINT CClockDialog::WindowTopLeft() const {
    if (m_settings.Minimize) return m_restorePosition;  // the hidden window stands near the taskbar
    Rect window = WindowRect();
    return {window.left, window.top};
}

void CClockDialog::ShowIllustration(int index) {
    if (index < 0 || static_cast<size_t>(index) >= IllustrationNames().size()) return;
    m_illustrationIndex = index;
    ui::RedrawNow(m_hwnd);
}

// Only the lists the user changed are taken: one the pages handed back as they got it
// keeps what the clock holds now, which may have been read again from disk meanwhile.
void CClockDialog::ApplyOptions(const OptionValues& values, const OptionValues& base) {
    TakeEditedSettings(m_settings, values.settings);
    WakeReturnHomeCount();
    m_pictureChangeCount = 0;
    m_data.EditShownFlags(base.shownFlags, values.shownFlags);
    m_data.EditSounds(base.sounds, values.sounds);
    m_data.EditAlarms(base.alarms, values.alarms);
    m_illustrationIndex = RepickIllustration(static_cast<int>(IllustrationNames().size()), m_data.ShownFlags(),
                                             m_illustrationIndex, m_random);
    ShowLabel(m_settings.CaptionClock != 0);
    RebuildDueList();
    SaveAll();
    ui::RedrawNow(m_hwnd);
}
