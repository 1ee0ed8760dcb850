// The clock window's data folder: reading the four files at start, writing three on save.
#include "clock/CClockDialog.h"

#include "alarms/AlarmRules.h"
#include "content/MessageFile.h"
#include "content/NameListFiles.h"
#include "content/SoundTable.h"
#include "ui/Cp932Codec.h"
#include "ui/Files.h"

namespace {

const ui::Cp932Codec kCodec;

}  // namespace

std::wstring CClockDialog::DataPath(const wchar_t* name) const { return m_env.programFolder + L"dat\\" + name; }

void CClockDialog::LoadDataFiles() {
    std::wstring unreadable;
    auto read = [&](const wchar_t* name, bool& keepUntouched) {
        ui::FileContent content = ui::ReadOrCreateFile(DataPath(name), m_env.fileRetry);
        keepUntouched = content.status == ui::FileReadStatus::Unreadable;
        if (keepUntouched) unreadable += L"\n" + DataPath(name);
        return std::move(content.bytes);
    };
    bool namesUnread = false;
    m_illustrationNames = ReadIllustNames(read(L"Illust.ini", namesUnread), kCodec);
    m_shownFlags = ReadShownFlags(read(L"Show.ini", m_showFile.keepUntouched), kCodec, &m_showFile.format);
    // Flags fitted to names that could not be read would lose the flags on disk.
    m_showFile.keepUntouched = m_showFile.keepUntouched || namesUnread;
    FitShownFlags(m_shownFlags, m_illustrationNames.size());
    m_sounds = ReadSoundTable(read(L"Sound.ini", m_soundFile.keepUntouched), kCodec, &m_soundFile.format);
    m_alarms = ReadAlarmList(read(L"Message.ini", m_messageFile.keepUntouched), kCodec, &m_messageFile.format);
    if (!unreadable.empty())
        ShowMessage(L"データファイルを読み込めませんでした。" + unreadable +
                        L"\n\nこのファイルには手を加えず、ぽこみを終了するまで上書きしません。",
                    L"ぽこみ", MB_OK | MB_ICONWARNING);
}

bool CClockDialog::SaveDataFiles() {
    struct Output {
        const wchar_t* name;
        const DataFileRecord& record;
        std::string bytes;
    };
    const Output outputs[] = {
        {L"Show.ini", m_showFile, WriteShownFlags(m_shownFlags, kCodec, m_showFile.format)},
        {L"Sound.ini", m_soundFile, WriteSoundTable(m_sounds, kCodec, m_soundFile.format)},
        {L"Message.ini", m_messageFile, WriteAlarmList(m_alarms, kCodec, m_messageFile.format)},
    };
    std::wstring failed;
    for (const Output& output : outputs) {
        if (output.record.keepUntouched) continue;
        if (!ui::ReplaceFileAtomically(DataPath(output.name), output.bytes)) failed += L"\n" + DataPath(output.name);
    }
    if (failed.empty()) return true;
    ShowMessage(L"データファイルを保存できませんでした。" + failed, L"ぽこみ", MB_OK | MB_ICONWARNING);
    return false;
}

void CClockDialog::SetShownFlags(std::vector<int> flags) { TakeEditedList(m_shownFlags, std::move(flags), m_showFile); }
void CClockDialog::SetSounds(SoundTable sounds) { TakeEditedList(m_sounds, std::move(sounds), m_soundFile); }
void CClockDialog::SetAlarms(AlarmList alarms) { TakeEditedList(m_alarms, std::move(alarms), m_messageFile); }

void CClockDialog::RebuildDueList() {
    LocalTime now = m_env.now();
    m_dueList = SelectDueThisHour(m_alarms, {now.month, now.day, now.weekday, now.hour});
}
