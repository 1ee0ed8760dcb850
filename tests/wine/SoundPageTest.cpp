// The options sheet's sound page on the running clock: the tree of events and files,
// add and clear handed back at OK, and trying a file out through the clock's player.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ClockTestSupport.h"
#include "clock/CClockDialog.h"
#include "content/SoundTable.h"
#include "resource.h"
#include "ui/Cp932Codec.h"
#include "ui/PropertySheet.h"

namespace {

using Paths = std::vector<std::wstring>;
using Tree = std::vector<std::pair<std::wstring, Paths>>;

std::wstring ItemText(HWND tree, HTREEITEM item) {
    wchar_t text[MAX_PATH] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = MAX_PATH;
    TreeView_GetItem(tree, &data);
    return text;
}

Tree ReadTree(HWND tree) {
    Tree read;
    for (HTREEITEM e = TreeView_GetRoot(tree); e; e = TreeView_GetNextSibling(tree, e)) {
        EXPECT_TRUE(!TreeView_GetChild(tree, e) || (TreeView_GetItemState(tree, e, TVIS_EXPANDED) & TVIS_EXPANDED));
        read.push_back({ItemText(tree, e), {}});
        for (HTREEITEM f = TreeView_GetChild(tree, e); f; f = TreeView_GetNextSibling(tree, f))
            read.back().second.push_back(ItemText(tree, f));
    }
    return read;
}

// Selects the n-th file shown below the event item at `event`.
void SelectFile(HWND tree, int event, int n) {
    HTREEITEM item = TreeView_GetRoot(tree);
    while (event-- > 0) item = TreeView_GetNextSibling(tree, item);
    for (item = TreeView_GetChild(tree, item); n-- > 0;) item = TreeView_GetNextSibling(tree, item);
    TreeView_SelectItem(tree, item);
}

int TabIndex(HWND sheet, const std::wstring& title) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        TabCtrl_GetItem(tabs, i, &item);
        if (text == title) return i;
    }
    return -1;
}

class SoundPageTest : public testing::Test {
protected:
    void Start(const SoundTable& sounds) {
        world.folder.WriteData(L"Sound.ini", WriteSoundTable(sounds, ui::Cp932Codec()));
        clock = std::make_unique<RunningClock>(world);
    }
    // Opens the options on the sound page, runs the steps there until the sheet closes.
    void RunPage(std::vector<std::function<void()>> steps) {
        steps.insert(steps.begin(), [this] {
            sheet = GetLastActivePopup(clock->Hwnd());
            SendMessageW(sheet, PSM_SETCURSEL, TabIndex(sheet, L"サウンド設定"), 0);
            page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            tree = GetDlgItem(page, IDC_SOUND_TREE);
            ASSERT_TRUE(tree);
        });
        const size_t count = steps.size();
        ModalScript script(std::move(steps));
        SendMessageW(clock->Hwnd(), WM_COMMAND, ID_CMD_OPTIONS, 0);
        EXPECT_EQ(script.StepsRun(), count);
    }
    void Click(HWND window, int id) const { SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // Enabled states of clear, play and stop.
    std::vector<bool> Buttons() const {
        std::vector<bool> on;
        for (int id : {IDC_SOUND_CLEAR, IDC_SOUND_PLAY, IDC_SOUND_STOP})
            on.push_back(IsWindowEnabled(GetDlgItem(page, id)));
        return on;
    }
    SoundTable ReadSoundIni() const { return ReadSoundTable(world.folder.ReadData(L"Sound.ini"), ui::Cp932Codec()); }

    TestWorld world;
    std::unique_ptr<RunningClock> clock;
    HWND sheet = nullptr, page = nullptr, tree = nullptr;
};

TEST_F(SoundPageTest, TheNineEventsInThePageOrderWithTheirFilesSortedAndCancelKeepsTheTable) {
    SoundTable sounds;
    sounds.List(SoundEvent::Boot) = {L"dat\\b.wav", L"C:\\A.wav", L"dat\\a.wav"};
    sounds.List(SoundEvent::Update) = {L"u.wav"};
    Start(sounds);
    RunPage({[&] {
        EXPECT_EQ(ReadTree(tree), (Tree{{L"ぽこみの起動", {L"C:\\A.wav", L"dat\\a.wav", L"dat\\b.wav"}},
                                        {L"ぽこみの終了", {}},
                                        {L"最小化", {}},
                                        {L"元のサイズに戻す", {}},
                                        {L"絵柄の更新", {L"u.wav"}},
                                        {L"標準のアラーム", {}},
                                        {L"時報", {}},
                                        {L"マウスから逃げる", {}},
                                        {L"ホーム位置に戻る", {}}}));
        EXPECT_EQ(TreeView_GetSelection(tree), TreeView_GetRoot(tree));
        EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL), clock->Dialog()->AlarmImages());
        EXPECT_EQ(Buttons(), (std::vector{false, false, false}));
        world.waveFileChoice = L"D:\\x.wav";
        Click(page, IDC_SOUND_ADD);
        Click(sheet, IDCANCEL);
    }});
    EXPECT_EQ(clock->Dialog()->Sounds(), sounds);
    EXPECT_EQ(ReadSoundIni(), sounds);
}

TEST_F(SoundPageTest, AFileNamedLikeAnEventIsAFileAddAppendsClearRemovesAndOkSaves) {
    SoundTable sounds;
    sounds.List(SoundEvent::Boot) = {L"時報", L"dat\\z.wav", L"時報"};
    Start(sounds);
    RunPage({[&] {
        SelectFile(tree, 0, 1);  // the first "時報" shown below "ぽこみの起動"
        EXPECT_EQ(Buttons(), (std::vector{true, true, false}));
        world.waveFileChoice = world.folder.DataPath(L"new.wav");  // inside the program folder
        Click(page, IDC_SOUND_ADD);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, ui::kApplyButton)));
        SelectFile(tree, 0, 2);
        Click(page, IDC_SOUND_CLEAR);
        TreeView_SelectItem(tree, TreeView_GetNextSibling(tree, TreeView_GetRoot(tree)));
        world.waveFileChoice = L"D:\\サウンド\\t.wav";
        Click(page, IDC_SOUND_ADD);
        ASSERT_EQ(ReadTree(tree).size(), 9u);
        EXPECT_EQ(ReadTree(tree).front().second, (Paths{L"dat\\new.wav", L"dat\\z.wav", L"時報"}));
        Click(sheet, IDOK);
    }});
    SoundTable saved;
    saved.List(SoundEvent::Boot) = {L"dat\\z.wav", L"時報", L"dat\\new.wav"};
    saved.List(SoundEvent::Exit) = {L"D:\\サウンド\\t.wav"};
    EXPECT_EQ(clock->Dialog()->Sounds(), saved);
    EXPECT_EQ(ReadSoundIni(), saved);
}

TEST_F(SoundPageTest, PlayOpensTheFileStopEndsItAndTheEndOfTheSoundFreesTheButtons) {
    world.folder.WriteData(L"long.wav", MakeWave(5000));
    world.folder.WriteData(L"short.wav", MakeWave(100));
    SoundTable sounds;
    sounds.List(SoundEvent::Time) = {L"dat\\short.wav", L"dat\\long.wav"};
    Start(sounds);
    RunPage({[&] {
                 SelectFile(tree, 6, 0);
                 Click(page, IDC_SOUND_PLAY);
                 EXPECT_EQ(Buttons(), (std::vector{true, false, true}));
                 EXPECT_EQ(OpenMciDevices(), Paths{world.folder.DataPath(L"long.wav")});
                 Click(page, IDC_SOUND_STOP);
                 EXPECT_TRUE(OpenMciDevices().empty());
                 EXPECT_EQ(Buttons(), (std::vector{true, true, false}));
             },
             [&] {
                 SelectFile(tree, 6, 1);
                 Click(page, IDC_SOUND_PLAY);
                 EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(GetDlgItem(page, IDC_SOUND_PLAY)); }));
                 EXPECT_EQ(Buttons(), (std::vector{true, true, false}));
                 EXPECT_FALSE(clock->Dialog()->SoundPlaying());
                 SelectFile(tree, 6, 0);
                 Click(page, IDC_SOUND_PLAY);  // still sounding when the sheet closes
                 Click(sheet, IDCANCEL);
             }});
    EXPECT_FALSE(clock->Dialog()->SoundPlaying());
    EXPECT_TRUE(OpenMciDevices().empty());
}

}  // namespace
