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
    auto read = [&](const wchar_t* name) { return ui::ReadOrCreateFile(DataPath(name)).value_or(std::string()); };
    m_illustrationNames = ReadIllustNames(read(L"Illust.ini"), kCodec);
    m_shownFlags = ReadShownFlags(read(L"Show.ini"), kCodec);
    FitShownFlags(m_shownFlags, m_illustrationNames.size());
    m_sounds = ReadSoundTable(read(L"Sound.ini"), kCodec);
    m_alarms = ReadAlarmList(read(L"Message.ini"), kCodec);
}

bool CClockDialog::SaveDataFiles() {
    struct Output {
        const wchar_t* name;
        std::string bytes;
    };
    const Output outputs[] = {
        {L"Show.ini", WriteShownFlags(m_shownFlags)},
        {L"Sound.ini", WriteSoundTable(m_sounds, kCodec)},
        {L"Message.ini", WriteAlarmList(m_alarms, kCodec)},
    };
    std::wstring failed;
    for (const Output& output : outputs) {
        if (!ui::ReplaceFileAtomically(DataPath(output.name), output.bytes)) failed += L"\n" + DataPath(output.name);
    }
    if (failed.empty()) return true;
    ShowMessage(L"データファイルを保存できませんでした。" + failed, L"ぽこみ", MB_OK | MB_ICONWARNING);
    return false;
}

void CClockDialog::RebuildDueList() {
    LocalTime now = m_env.now();
    m_dueList = SelectDueThisHour(m_alarms, {now.month, now.day, now.weekday, now.hour});
}
