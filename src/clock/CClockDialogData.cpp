// The clock window's data folder: read at start, read again when a file changes on
// disk, and written only where the user changed a list.
#include "clock/CClockDialog.h"

#include "alarms/AlarmRules.h"
#include "clock/IllustrationPick.h"
#include "ui/Redraw.h"

namespace {

constexpr UINT kWarning = MB_OK | MB_ICONWARNING;

}  // namespace

void CClockDialog::LoadDataFiles() {
    std::wstring unreadable;
    for (DataFile file : m_data.Load()) unreadable += L"\n" + m_dataStore.PathOf(file);
    if (m_profileUnreadable) unreadable += L"\n" + m_profile.Path();
    if (unreadable.empty()) return;
    std::wstring text = L"ファイルを読み込めませんでした。" + unreadable +
                        L"\n\nこれらのファイルには、読み込めるようになるまで手を加えません。";
    if (m_profileUnreadable) text += L"\n設定は標準の値を使い、pokomi.ini は終了するまで上書きしません。";
    ShowMessage(text, L"ぽこみ", kWarning);
}

// What changed on disk since the clock last read or wrote it is read again: an alarm
// added by hand is due at its minute, a picture taken out of the changes leaves.
// From the tick, a file found unreadable is told once the tick has returned, so that
// the box's message loop cannot run the same minute's tick again.
void CClockDialog::RefreshDataFiles(bool tellLater) {
    DataRefresh refresh = m_data.Refresh();
    if (refresh.alarms) RebuildDueList();
    if (refresh.names || refresh.flags) {
        int index = RepickIllustration(static_cast<int>(m_data.IllustrationNames().size()), m_data.ShownFlags(),
                                       m_illustrationIndex, m_random);
        if (index != m_illustrationIndex) {
            m_illustrationIndex = index;
            if (!m_settings.Minimize) ui::RedrawNow(m_hwnd);
        }
    }
    std::wstring unreadable;
    for (DataFile file : refresh.unreadable) unreadable += L"\n" + m_dataStore.PathOf(file);
    if (unreadable.empty()) return;
    std::wstring text = L"ファイルを読み込めなくなりました。" + unreadable +
                        L"\n\nこれらのファイルには、読み込めるようになるまで手を加えません。";
    if (!tellLater) {
        ShowMessage(text, L"ぽこみ", kWarning);
        return;
    }
    m_laterMessages.push_back(std::move(text));
    PostMessageW(m_hwnd, kTellLaterMessage, 0, 0);
}

void CClockDialog::TellLaterMessages() {
    std::vector<std::wstring> messages = std::move(m_laterMessages);
    m_laterMessages.clear();
    for (const std::wstring& text : messages) ShowMessage(text, L"ぽこみ", kWarning);
}

bool CClockDialog::SaveDataFiles() {
    DataSave save = m_data.Save([this](DataFile file) {
        LocalTime now = m_env.now();
        return OutsideChangeCopyName(file, now.year, now.month, now.day, now.hour, now.minute, now.second);
    });
    if (m_quiet) return save.failed.empty();  // nobody is there to read a box
    for (const KeptCopy& kept : save.kept)
        ShowMessage(std::wstring(DataFileName(kept.file)) +
                        L" はぽこみの外でも変更されていました。\nオプションでの変更を保存し、外での変更は別のファイルに"
                        L"残しました。"
                        L"\n\n保存したファイル:\n" +
                        m_dataStore.PathOf(kept.file) + L"\n外での変更を残したファイル:\n" + kept.path,
                    L"ぽこみ", MB_OK | MB_ICONINFORMATION);
    if (save.failed.empty()) return true;
    std::wstring failed;
    for (DataFile file : save.failed) failed += L"\n" + m_dataStore.PathOf(file);
    ShowMessage(L"データファイルを保存できませんでした。" + failed, L"ぽこみ", kWarning);
    return false;
}

void CClockDialog::SetShownFlags(std::vector<int> flags) {
    m_data.EditShownFlags(m_data.ShownFlags(), std::move(flags));
}
void CClockDialog::SetSounds(SoundTable sounds) { m_data.EditSounds(m_data.Sounds(), std::move(sounds)); }
void CClockDialog::SetAlarms(AlarmList alarms) { m_data.EditAlarms(m_data.Alarms(), std::move(alarms)); }

void CClockDialog::RebuildDueList() {
    LocalTime now = m_env.now();
    m_dueList = SelectDueThisHour(m_data.Alarms(), {now.month, now.day, now.weekday, now.hour});
}
