// The clock window's data folder: what it reads at start and writes on save.
#include <windows.h>

#include <gtest/gtest.h>

#include "ClockShorthands.h"
#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/Text.h"

namespace {

const wchar_t* const kDataFiles[] = {L"Illust.ini", L"Show.ini", L"Sound.ini", L"Message.ini"};
const wchar_t* const kWritten[] = {L"Show.ini", L"Sound.ini", L"Message.ini"};  // the clock never writes the names

void WriteSampleFolder(const TempFolder& folder) {
    folder.WriteData(L"Illust.ini", Cp932(L"春の桜\r\n夏の海\r\n秋の紅葉\r\n"));
    folder.WriteData(L"Show.ini", "0\r\n1\r\n");  // one flag short: the missing one reads as shown
    folder.WriteData(L"Sound.ini", Cp932(L"[Boot]\r\nC:\\音\\起動.wav\r\n[Exit]\r\n[Time]\r\nchime.wav\r\n"
                                         L"[Away]\r\n[Alarm]\r\n[Return]\r\n[Minimize]\r\n[Restore]\r\n[Update]\r\n"));
    folder.WriteData(L"Message.ini", Cp932(L"朝会\r\nNULL\r\n[\r\n会議室へ\r\n資料を持参\r\n]\r\n毎週\r\n1\r\n"
                                           L"指定の時刻\r\n9:30\r\n"
                                           L"休憩\r\nbell.wav\r\n[\r\n\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n0\r\n"));
}

TEST(DataFolderTest, ReadsTheFourFilesAtStart) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    RunningClock clock(world);
    ASSERT_NE(clock.Dialog(), nullptr);
    const ClockSnapshot shot = Shot(clock);
    EXPECT_EQ(shot.illustrationNames, (std::vector<std::wstring>{L"春の桜", L"夏の海", L"秋の紅葉"}));
    EXPECT_EQ(shot.shownFlags, (std::vector<int>{0, 1, 1}));
    EXPECT_NE(shot.illustrationIndex, 0);  // only shown pictures are picked
    EXPECT_EQ(shot.sounds.List(SoundEvent::Boot), (std::vector<std::wstring>{L"C:\\音\\起動.wav"}));
    EXPECT_EQ(shot.sounds.List(SoundEvent::Time), (std::vector<std::wstring>{L"chime.wav"}));
    ASSERT_EQ(shot.alarms.Count(), 2u);
    EXPECT_EQ(shot.alarms.At(0),
              (AlarmEntry{L"朝会", L"NULL", L"会議室へ\r\n資料を持参", L"毎週", L"1", L"指定の時刻", L"9:30"}));
    EXPECT_EQ(shot.alarms.At(1), (AlarmEntry{L"休憩", L"bell.wav", L"", L"毎日", L"NULL", L"毎時", L"0"}));
    // 7 December 2026 is a Monday, 10 o'clock: only the hourly entry can fire this hour.
    ASSERT_EQ(shot.dueList.Count(), 1u);
    EXPECT_EQ(shot.dueList.At(0).Subject, L"休憩");
}

TEST(DataFolderTest, AnEmptyFolderLeavesFourEmptyFiles) {
    TestWorld world;
    RunningClock clock(world);
    EXPECT_TRUE(Shot(clock).illustrationNames.empty());
    EXPECT_EQ(Shot(clock).illustrationIndex, 0);
    EXPECT_TRUE(Shot(clock).alarms.IsEmpty());
    for (const wchar_t* name : kDataFiles) {
        EXPECT_TRUE(world.folder.DataExists(name)) << Utf8(name);
        EXPECT_EQ(world.folder.ReadData(name), "") << Utf8(name);
    }
}

TEST(DataFolderTest, NoShownIllustrationStillStarts) {
    TestWorld world;
    world.folder.WriteData(L"Illust.ini", "a\r\nb\r\nc\r\n");
    world.folder.WriteData(L"Show.ini", "0\r\n0\r\n0\r\n");
    RunningClock clock(world);
    ASSERT_TRUE(clock.Alive());
    EXPECT_EQ(Shot(clock).illustrationIndex, 0);
}

TEST(DataFolderTest, SaveAllWritesWhatIsInMemory) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    RunningClock clock(world);
    CClockDialog* dialog = clock.Dialog();
    SoundTable sounds = Shot(clock).sounds;
    sounds.List(SoundEvent::Exit).push_back(L"bye.wav");
    dialog->SetSounds(sounds);
    dialog->SetShownFlags({1, 0, 1});
    AlarmList alarms;
    alarms.Append(AlarmEntry{L"誕生日", L"", L"おめでとう\r\n🎂", L"毎年", L"12/24", L"指定の時刻", L"18:5"});
    dialog->SetAlarms(alarms);
    dialog->SaveAll();
    EXPECT_TRUE(world.messageBoxes.empty());

    EXPECT_EQ(world.folder.ReadData(L"Show.ini"), "1\r\n0\r\n1\r\n");
    EXPECT_EQ(world.folder.ReadData(L"Sound.ini"),
              Cp932(L"[Boot]\r\nC:\\音\\起動.wav\r\n[Exit]\r\nbye.wav\r\n[Time]\r\nchime.wav\r\n[Away]\r\n[Alarm]\r\n"
                    L"[Return]\r\n[Minimize]\r\n[Restore]\r\n[Update]\r\n"));
    // The cake is outside code page 932: the file is kept whole as UTF-8 with a byte-order mark.
    std::string message = world.folder.ReadData(L"Message.ini");
    ASSERT_EQ(message.rfind(kUtf8Mark, 0), 0u);
    EXPECT_EQ(ui::Widen(message.substr(3), CP_UTF8),
              L"誕生日\r\nNULL\r\n[\r\nおめでとう\r\n🎂\r\n]\r\n毎年\r\n12/24\r\n指定の時刻\r\n18:5\r\n");
    EXPECT_EQ(world.folder.ReadData(L"Illust.ini"), Cp932(L"春の桜\r\n夏の海\r\n秋の紅葉\r\n"));  // never written

    // A second start reads back exactly what was saved (the empty sound as "NULL").
    clock.Dialog()->SaveAll();
    RunningClock again(world);
    ASSERT_EQ(Shot(again).alarms.Count(), 1u);
    EXPECT_EQ(Shot(again).alarms.At(0),
              (AlarmEntry{L"誕生日", L"NULL", L"おめでとう\r\n🎂", L"毎年", L"12/24", L"指定の時刻", L"18:5"}));
    EXPECT_EQ(Shot(again).sounds, sounds);
}

const std::wstring kOneAlarmLines = L"新しい\r\nNULL\r\n[\r\nx\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n15\r\n";

AlarmList OneAlarm() {
    AlarmList alarms;
    alarms.Append(AlarmEntry{L"新しい", L"NULL", L"x", L"毎日", L"NULL", L"毎時", L"15"});
    return alarms;
}

TEST(DataFolderTest, AFailedSaveIsReportedOnceAndMemoryIsKept) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    RunningClock clock(world);
    CClockDialog* dialog = clock.Dialog();
    AlarmList alarms = Shot(clock).alarms;
    alarms.Append(OneAlarm().At(0));
    dialog->SetAlarms(alarms);
    std::string before = world.folder.ReadData(L"Message.ini");
    // Wine as root writes through read-only attributes; a folder in the way of
    // each save's temporary file makes every write fail the same way instead.
    for (const wchar_t* name : kWritten) CreateDirectoryW((world.folder.DataPath(name) + L".saving").c_str(), nullptr);

    dialog->SaveAll();
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_NE(world.messageBoxes[0].text.find(L"Message.ini"), std::wstring::npos);
    EXPECT_EQ(Shot(clock).alarms, alarms);
    EXPECT_EQ(world.folder.ReadData(L"Message.ini"), before);  // the old file is whole

    // Once the folder can be written again, the kept lists are saved.
    for (const wchar_t* name : kWritten) RemoveDirectoryW((world.folder.DataPath(name) + L".saving").c_str());
    dialog->SaveAll();
    EXPECT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_NE(world.folder.ReadData(L"Message.ini").find(Cp932(L"新しい")), std::string::npos);
}

TEST(DataFolderTest, AMissingDataFolderIsReportedWhenAnEditIsSaved) {
    TestWorld world;
    RunningClock clock(world);
    std::wstring dat = world.folder.Path() + L"dat";
    for (const wchar_t* name : kDataFiles) DeleteFileW(world.folder.DataPath(name).c_str());
    ASSERT_TRUE(RemoveDirectoryW(dat.c_str()));
    clock.Dialog()->SaveAll();
    EXPECT_TRUE(world.messageBoxes.empty());  // nothing to write, nothing lost
    clock.Dialog()->SetAlarms(OneAlarm());
    clock.Dialog()->SaveAll();
    EXPECT_EQ(world.messageBoxes.size(), 1u);
}

TEST(DataFolderTest, AFileThatCannotBeReadIsReportedOnceAndNeverWrittenOver) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    const std::string alarms = world.folder.ReadData(L"Message.ini");
    HeldFile held(world.folder.DataPath(L"Message.ini"), 0);
    ASSERT_TRUE(held.Held());
    int pauses = 0;
    world.retryPause = [&] { ++pauses; };
    RunningClock clock(world);
    EXPECT_EQ(pauses, 2);  // tried three times
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_NE(world.messageBoxes[0].text.find(world.folder.DataPath(L"Message.ini")), std::wstring::npos);
    EXPECT_TRUE(Shot(clock).alarms.IsEmpty());

    // An edit made without the file's alarms would replace them: it is refused.
    clock.Dialog()->SetAlarms(OneAlarm());
    clock.Dialog()->SaveAll();
    EXPECT_TRUE(Shot(clock).alarms.IsEmpty());
    held.Release();
    EXPECT_EQ(world.folder.ReadData(L"Message.ini"), alarms);
    EXPECT_EQ(world.messageBoxes.size(), 1u);

    // Once it can be read, the next minute takes its alarms, and an edit is saved beside them.
    world.time.minute = 31;
    clock.Tick();
    AlarmList edited = Shot(clock).alarms;
    ASSERT_EQ(edited.Count(), 2u);
    edited.Append(OneAlarm().At(0));
    clock.Dialog()->SetAlarms(edited);
    clock.Dialog()->SaveAll();
    EXPECT_EQ(world.folder.ReadData(L"Message.ini"), alarms + Cp932(kOneAlarmLines));
    EXPECT_EQ(world.messageBoxes.size(), 1u);
}

TEST(DataFolderTest, UnreadableNamesKeepTheShownFlagsUntouched) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    HeldFile held(world.folder.DataPath(L"Illust.ini"), 0);
    RunningClock clock(world);
    held.Release();
    clock.Dialog()->SetShownFlags({1, 1, 1});  // flags fitted to no names at all: refused
    clock.Dialog()->SaveAll();
    EXPECT_EQ(world.folder.ReadData(L"Show.ini"), "0\r\n1\r\n");
}

TEST(DataFolderTest, FilesOtherProgramsHoldOpenAreReadAlongsideThem) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    // An editor that has the file open for writing, sharing it as editors do.
    HeldFile editing(world.folder.DataPath(L"Message.ini"), FILE_SHARE_READ | FILE_SHARE_WRITE);
    // A program that holds it alone, but only for a moment: it lets go at the first pause.
    HeldFile busy(world.folder.DataPath(L"Sound.ini"), 0);
    world.retryPause = [&] { busy.Release(); };
    RunningClock clock(world);
    EXPECT_TRUE(world.messageBoxes.empty());
    EXPECT_EQ(Shot(clock).alarms.Count(), 2u);
    EXPECT_EQ(Shot(clock).sounds.List(SoundEvent::Time), (std::vector<std::wstring>{L"chime.wav"}));
}

TEST(DataFolderTest, EachFileIsWrittenBackInTheFormItCameIn) {
    TestWorld world;
    world.folder.WriteData(L"Illust.ini", "a\r\nb\r\n");
    const std::string show = "\xFF\xFE" + Utf16Le(L"1\r\n0\r\n");          // Notepad's "Unicode"
    const std::string sound = "[Boot]\r\n\xED\x95\x9C.wav\r\n[Exit]\r\n";  // UTF-8 without a mark
    // Code page 932 with a cut character and bytes that decode in no way.
    const std::string message =
        Cp932(L"朝会") + "\x82\r\nNULL\r\n[\r\n\xFD\xFE\x80 \x81\r\n]\r\n" + Cp932(L"毎日\r\nNULL\r\n毎時\r\n0\r\n");
    world.folder.WriteData(L"Show.ini", show);
    world.folder.WriteData(L"Sound.ini", sound);
    world.folder.WriteData(L"Message.ini", message);
    {
        RunningClock clock(world);
        EXPECT_EQ(Shot(clock).shownFlags, (std::vector<int>{1, 0}));
        EXPECT_EQ(Shot(clock).sounds.List(SoundEvent::Boot), (std::vector<std::wstring>{L"한.wav"}));
        ASSERT_EQ(Shot(clock).alarms.Count(), 1u);
        EXPECT_EQ(Shot(clock).alarms.At(0).Subject.substr(0, 2), L"朝会");
        // Each list edited in a way its form can hold.
        clock.Dialog()->SetShownFlags({0, 1});
        SoundTable sounds = Shot(clock).sounds;
        sounds.List(SoundEvent::Exit).push_back(L"bye.wav");
        clock.Dialog()->SetSounds(sounds);
        AlarmList alarms = Shot(clock).alarms;
        alarms.Append(OneAlarm().At(0));
        clock.Dialog()->SetAlarms(alarms);
        clock.Dialog()->SaveAll();
    }
    EXPECT_EQ(world.folder.ReadData(L"Show.ini"), "\xFF\xFE" + Utf16Le(L"0\r\n1\r\n"));
    // Sound.ini's own rules add the seven missing headers; what it held stays as it was.
    EXPECT_EQ(world.folder.ReadData(L"Sound.ini"), sound +
                                                       "bye.wav\r\n[Time]\r\n[Away]\r\n[Alarm]\r\n[Return]\r\n"
                                                       "[Minimize]\r\n[Restore]\r\n[Update]\r\n");
    EXPECT_EQ(world.folder.ReadData(L"Message.ini"), message + Cp932(kOneAlarmLines));
}

TEST(DataFolderTest, NoDataFolderAtAllStillStartsAndSaysSoWhenSaving) {
    TestWorld world;
    ASSERT_TRUE(RemoveDirectoryW((world.folder.Path() + L"dat").c_str()));
    RunningClock clock(world);
    ASSERT_TRUE(clock.Alive());
    EXPECT_TRUE(world.messageBoxes.empty());  // nothing was lost: nothing is reported yet
    EXPECT_TRUE(Shot(clock).illustrationNames.empty());
    world.time.minute = 31;
    clock.Tick();
    EXPECT_TRUE(clock.Alive());
    clock.Dialog()->SetAlarms(OneAlarm());
    clock.Dialog()->SaveAll();
    EXPECT_EQ(world.messageBoxes.size(), 1u);
}

FILETIME WriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// What happens to the files on disk while the clock runs is never undone: a record
// added by hand fires at its minute, and a run without edits writes no data file.
TEST(DataFolderTest, ARecordAddedByHandFiresAtItsMinuteAndNoFileIsWrittenWithoutAnEdit) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    std::vector<FILETIME> before;
    for (const wchar_t* name : kDataFiles) before.push_back(WriteTime(world.folder.DataPath(name)));
    const std::string byHand =
        world.folder.ReadData(L"Message.ini") +
        Cp932(L"手で追加\r\nNULL\r\n[\r\n書き足した\r\n]\r\n毎日\r\nNULL\r\n指定の時刻\r\n10:31\r\n");
    {
        RunningClock clock(world);
        world.folder.WriteData(L"Message.ini", byHand);
        before[3] = WriteTime(world.folder.DataPath(L"Message.ini"));
        SetTime(world, 10, 31, 0);
        clock.Tick();
        HWND message = FindMessageWindow(L"手で追加");
        ASSERT_NE(message, nullptr);
        SendMessageW(message, WM_COMMAND, IDOK, 0);
        SendMessageW(clock.Hwnd(), WM_COMMAND, IDCANCEL, 0);  // the close saves
        EXPECT_FALSE(clock.Alive());
    }
    EXPECT_NE(world.ReadProfile(L"X"), L"");
    for (size_t i = 0; i < before.size(); ++i) {
        FILETIME after = WriteTime(world.folder.DataPath(kDataFiles[i]));
        EXPECT_EQ(CompareFileTime(&before[i], &after), 0) << Utf8(kDataFiles[i]);
    }
    EXPECT_EQ(world.folder.ReadData(L"Message.ini"), byHand);
}

// The options' edit of a list whose file someone else changed meanwhile: the edit is
// saved, the disk's version is kept beside it, and the user is told where both are.
TEST(DataFolderTest, AnEditOverAFileChangedOutsideKeepsBothVersionsAndSaysSo) {
    TestWorld world;
    WriteSampleFolder(world.folder);
    RunningClock clock(world);
    const OptionValues base = clock.Dialog()->CurrentOptionValues();  // as the sheet opened
    const std::string outside = Cp932(L"外\r\nNULL\r\n[\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n5\r\n");
    world.folder.WriteData(L"Message.ini", outside);
    OptionValues edited = base;
    edited.alarms.RemoveAt(0);
    static_cast<OptionsHost*>(clock.Dialog())->ApplyOptions(edited, base);  // as OK hands them back

    EXPECT_EQ(world.folder.ReadData(L"Message.ini"),
              Cp932(L"休憩\r\nbell.wav\r\n[\r\n\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n0\r\n"));
    const std::wstring kept = L"Message.外部の変更.20261207-103015.ini";
    EXPECT_EQ(world.folder.ReadData(kept), outside);
    ASSERT_EQ(world.messageBoxes.size(), 1u);
    EXPECT_NE(world.messageBoxes[0].text.find(world.folder.DataPath(L"Message.ini")), std::wstring::npos);
    EXPECT_NE(world.messageBoxes[0].text.find(world.folder.DataPath(kept)), std::wstring::npos);
    EXPECT_EQ(Shot(clock).alarms, edited.alarms);
}

TEST(DataFolderTest, AProfileHeldAtStartIsToldAndNeverWrittenOver) {
    TestWorld world;
    world.WriteProfile(L"Height", L"300");
    const std::wstring profile = world.folder.Path() + L"pokomi.ini";
    const std::string before = ReadFileBytes(profile);
    {
        HeldFile held(profile, 0);
        RunningClock clock(world);
        EXPECT_EQ(Shot(clock).settings.Height, 220);  // read as absent
        ASSERT_EQ(world.messageBoxes.size(), 1u);
        EXPECT_NE(world.messageBoxes[0].text.find(profile), std::wstring::npos);
        held.Release();
        SendMessageW(clock.Hwnd(), WM_COMMAND, ID_CMD_TOPMOST, 0);
        SendMessageW(clock.Hwnd(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(clock.Alive());
    }
    EXPECT_EQ(ReadFileBytes(profile), before);
}

}  // namespace
