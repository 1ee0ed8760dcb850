// The options sheet's sound page on the running clock: the tree of events and files,
// add and clear saved at OK, and trying a file out through the clock's player.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ClockTestSupport.h"
#include "WineTestSupport.h"
#include "clock/CClockDialog.h"
#include "resource.h"
#include "ui/Cp932Codec.h"

namespace {

using Paths = std::vector<std::wstring>;

// Each event's text followed by the files shown below it; selects the `select`-th line.
Paths ReadTree(HWND tree, int select = -1) {
    Paths lines;
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    for (HTREEITEM e = TreeView_GetRoot(tree); e; e = TreeView_GetNextSibling(tree, e)) {
        EXPECT_TRUE(!TreeView_GetChild(tree, e) || (TreeView_GetItemState(tree, e, TVIS_EXPANDED) & TVIS_EXPANDED));
        for (HTREEITEM i = e; i; i = i == e ? TreeView_GetChild(tree, e) : TreeView_GetNextSibling(tree, i)) {
            item.hItem = i;
            TreeView_GetItem(tree, &item);
            lines.push_back((i == e ? L"" : L"  ") + std::wstring(text));
            if (static_cast<int>(lines.size()) == select + 1) TreeView_SelectItem(tree, i);
        }
    }
    return lines;
}

class SoundPageTest : public testing::Test {
protected:
    // Starts the clock on these sounds and runs the steps on the sound page until the sheet closes.
    void Run(const SoundTable& sounds, std::vector<std::function<void()>> steps) {
        world.folder.WriteData(L"Sound.ini", WriteSoundTable(sounds, ui::Cp932Codec()));
        clock = std::make_unique<RunningClock>(world);
        steps.insert(steps.begin(), [this] {
            ShowPage(sheet, IDD_OPTION_SOUND);
            page = CurrentPage(sheet);
            tree = GetDlgItem(page, IDC_SOUND_TREE);
        });
        const size_t count = steps.size();
        EXPECT_EQ(RunOptions(*clock, sheet, std::move(steps)), count);
    }
    std::vector<bool> Buttons() const {  // clear, play, stop
        std::vector<bool> on;
        for (int id : {IDC_SOUND_CLEAR, IDC_SOUND_PLAY, IDC_SOUND_STOP})
            on.push_back(IsWindowEnabled(GetDlgItem(page, id)));
        return on;
    }

    TestWorld world;
    std::unique_ptr<RunningClock> clock;
    HWND sheet = nullptr, page = nullptr, tree = nullptr;
};

TEST_F(SoundPageTest, EventsInOrderFilesSortedAFileNamedLikeAnEventIsAFileAndOkSaves) {
    SoundTable sounds;
    sounds.List(SoundEvent::Boot) = {L"時報", L"dat\\z.wav", L"時報"};
    sounds.List(SoundEvent::Update) = {L"u.wav"};
    Run(sounds, {[&] {
            EXPECT_EQ(ReadTree(tree), (Paths{L"ぽこみの起動", L"  dat\\z.wav", L"  時報", L"  時報", L"ぽこみの終了",
                                             L"最小化", L"元のサイズに戻す", L"絵柄の更新", L"  u.wav",
                                             L"標準のアラーム", L"時報", L"マウスから逃げる", L"ホーム位置に戻る"}));
            EXPECT_EQ(TreeView_GetSelection(tree), TreeView_GetRoot(tree));
            EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL),
                      static_cast<OptionsHost*>(clock->Dialog())->AlarmImages());
            EXPECT_EQ(Buttons(), (std::vector{false, false, false}));
            ReadTree(tree, 2);  // the first file "時報"
            EXPECT_EQ(Buttons(), (std::vector{true, true, false}));
            world.waveFileChoice = world.folder.DataPath(L"new.wav");  // inside the program folder
            Click(page, IDC_SOUND_ADD);
            ReadTree(tree, 3);
            Click(page, IDC_SOUND_CLEAR);
            ReadTree(tree, 10);  // the event "時報"
            world.waveFileChoice = L"D:\\サウンド\\t.wav";
            Click(page, IDC_SOUND_ADD);
            Click(sheet, IDOK);
        }});
    sounds.List(SoundEvent::Boot) = {L"dat\\z.wav", L"時報", L"dat\\new.wav"};
    sounds.List(SoundEvent::Time) = {L"D:\\サウンド\\t.wav"};
    EXPECT_EQ(clock->Dialog()->Snapshot().sounds, sounds);
    EXPECT_EQ(ReadSoundTable(world.folder.ReadData(L"Sound.ini"), ui::Cp932Codec()), sounds);
}

TEST_F(SoundPageTest, PlayOpensTheFileStopEndsItAndTheEndOfTheSoundFreesTheButtons) {
    world.folder.WriteData(L"long.wav", MakeWave(5000));
    world.folder.WriteData(L"short.wav", MakeWave(100));
    SoundTable sounds;
    sounds.List(SoundEvent::Time) = {L"dat\\short.wav", L"dat\\long.wav"};
    Run(sounds, {[&] {
            ReadTree(tree, 7);
            Click(page, IDC_SOUND_PLAY);
            EXPECT_EQ(Buttons(), (std::vector{true, false, true}));
            EXPECT_EQ(OpenMciDevices(), Paths{world.folder.DataPath(L"long.wav")});
            Click(page, IDC_SOUND_STOP);
            EXPECT_TRUE(OpenMciDevices().empty());
            EXPECT_EQ(Buttons(), (std::vector{true, true, false}));
            ReadTree(tree, 8);
            Click(page, IDC_SOUND_PLAY);
            EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(GetDlgItem(page, IDC_SOUND_PLAY)); }));
            EXPECT_FALSE(clock->Dialog()->SoundPlaying());
            ReadTree(tree, 7);
            Click(page, IDC_SOUND_PLAY);  // still sounding when the sheet closes
            Click(sheet, IDCANCEL);
        }});
    EXPECT_FALSE(clock->Dialog()->SoundPlaying());
    EXPECT_TRUE(OpenMciDevices().empty());
}

}  // namespace
