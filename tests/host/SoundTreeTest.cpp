// The sound page's tree: the sorted display beside the lists as added, items known
// by their place, the buttons' states, and how a chosen file is stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/SoundTree.h"

namespace {

using Paths = std::vector<std::wstring>;

TEST(SoundTreeTest, FilesShowSortedWhileTheListKeepsTheOrderTheyWereAddedIn) {
    SoundTable table;
    table.List(SoundEvent::Time) = {L"時報", L"b.wav", L"A.wav"};
    SoundTree tree(table);
    const std::size_t time = 6;  // "時報", seventh in the page's order
    EXPECT_EQ(tree.Text({time, {}}), L"時報");
    EXPECT_EQ(tree.Files(time), (Paths{L"A.wav", L"b.wav", L"時報"}));
    EXPECT_EQ(tree.Add({time, 2}, L"a.wav").file, 1u);  // after the equal name, under the file's event
    EXPECT_FALSE(tree.Clear({time, {}}));               // an event item is never cleared
    EXPECT_TRUE(tree.Clear({time, 3}));                 // the file named "時報"
    EXPECT_EQ(tree.Table().List(SoundEvent::Time), (Paths{L"b.wav", L"A.wav", L"a.wav"}));
    EXPECT_EQ(tree.Files(time), (Paths{L"A.wav", L"a.wav", L"b.wav"}));
}

TEST(SoundTreeTest, WhileASoundPlaysPlayAndStopKeepTheirStateAndClearFollowsTheSelection) {
    const SoundButtons testing = TestingButtons(true);
    EXPECT_EQ(ButtonsForSelection(testing, false, true), (SoundButtons{false, false, true}));
    EXPECT_EQ(ButtonsForSelection(testing, true, false), (SoundButtons{true, true, false}));
    EXPECT_EQ(IdleButtons(false), SoundButtons{});  // no play for an event item
}

TEST(SoundTreeTest, AFileInsideTheProgramFolderIsStoredRelativeToIt) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\ぽこみ\\dat\\a.wav", L"dat\\a.wav"},           {L"c:/ぽこみ/a.wav", L"a.wav"},
        {L"c:\\ポコミ\\a.wav", L"c:\\ポコミ\\a.wav"},         {L"C:\\ぽこみ2\\a.wav", L"C:\\ぽこみ2\\a.wav"},
        {L"C:\\ぽこみ\\..\\a.wav", L"C:\\ぽこみ\\..\\a.wav"}, {L"C:\\ぽこみ\\\\a.wav", L"C:\\ぽこみ\\\\a.wav"},
        {L"C:\\ぽこみ\\a.wav:s", L"C:\\ぽこみ\\a.wav:s"},     {L"C:\\ぽこみ\\", L"C:\\ぽこみ\\"},
    };
    for (const auto& [chosen, stored] : cases) EXPECT_EQ(StoredSoundPath(L"C:\\ぽこみ\\", chosen), stored);
}

}  // namespace
