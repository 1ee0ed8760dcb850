// The sound page's tree: which item is which, the sorted display beside the lists
// as added, the buttons' states, and how a chosen file is stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/SoundTree.h"

namespace {

using Paths = std::vector<std::wstring>;
constexpr std::size_t kBootItem = 0;  // "ぽこみの起動"
constexpr std::size_t kTimeItem = 6;  // "時報"

SoundTable Table(SoundEvent event, Paths paths) {
    SoundTable table;
    table.List(event) = std::move(paths);
    return table;
}

TEST(SoundTreeTest, EventsInThePageOrderAndFilesSortedWithoutTouchingTheList) {
    SoundTree tree(Table(SoundEvent::Time, {L"b.wav", L"C.wav", L"a.wav", L"B.wav"}));
    std::vector<SoundEvent> order;
    for (const SoundTreeEvent& e : kSoundTreeEvents) order.push_back(e.event);
    EXPECT_EQ(order, (std::vector{SoundEvent::Boot, SoundEvent::Exit, SoundEvent::Minimize, SoundEvent::Restore,
                                  SoundEvent::Update, SoundEvent::Alarm, SoundEvent::Time, SoundEvent::Away,
                                  SoundEvent::Return}));
    EXPECT_EQ(tree.Text({kTimeItem, {}}), L"時報");
    EXPECT_EQ(tree.Files(kTimeItem), (Paths{L"a.wav", L"b.wav", L"B.wav", L"C.wav"}));
    EXPECT_EQ(tree.Table().List(SoundEvent::Time), (Paths{L"b.wav", L"C.wav", L"a.wav", L"B.wav"}));
    EXPECT_TRUE(tree.Files(kBootItem).empty());
}

TEST(SoundTreeTest, AddAppendsToTheSelectedItemsEventAndShowsTheFileInItsSortedPlace) {
    struct Case {
        SoundTreeItem selected;
        std::wstring path;
        std::size_t shownAt;
        Paths list;
    };
    const Case cases[] = {
        {{kTimeItem, {}}, L"b.wav", 1, {L"c.wav", L"a.wav", L"b.wav"}},
        {{kTimeItem, 1}, L"A.wav", 1, {L"c.wav", L"a.wav", L"A.wav"}},  // after the equal one
        {{kTimeItem, 0}, L"a.wav", 1, {L"c.wav", L"a.wav", L"a.wav"}},  // listed twice
    };
    for (const Case& c : cases) {
        SoundTree tree(Table(SoundEvent::Time, {L"c.wav", L"a.wav"}));
        SoundTreeItem added = tree.Add(c.selected, c.path);
        EXPECT_EQ(added.event, kTimeItem);
        EXPECT_EQ(added.file, c.shownAt);
        EXPECT_EQ(tree.Text(added), c.path);
        EXPECT_EQ(tree.Table().List(SoundEvent::Time), c.list);
    }
}

TEST(SoundTreeTest, AFileNamedLikeAnEventIsStillAFileOfItsOwnEvent) {
    SoundTree tree(Table(SoundEvent::Boot, {L"時報", L"x.wav", L"時報"}));
    EXPECT_FALSE(tree.Clear({kBootItem, {}}));  // an event item is never cleared
    SoundTreeItem added = tree.Add({kBootItem, 0}, L"y.wav");
    EXPECT_EQ(added.event, kBootItem);
    ASSERT_TRUE(tree.Clear({kBootItem, 3}));  // the second "時報" shown; the first in the list goes
    EXPECT_EQ(tree.Table().List(SoundEvent::Boot), (Paths{L"x.wav", L"時報", L"y.wav"}));
    EXPECT_EQ(tree.Files(kBootItem), (Paths{L"x.wav", L"y.wav", L"時報"}));
    EXPECT_TRUE(tree.Table().List(SoundEvent::Time).empty());
    EXPECT_FALSE(tree.Clear({kBootItem, 3}));
}

TEST(SoundTreeTest, ButtonStates) {
    const SoundButtons testing{true, false, true};
    struct Case {
        bool fileSelected;
        bool playing;
        SoundButtons expected;
    };
    const Case cases[] = {
        {false, false, {false, false, false}},
        {true, false, {true, true, false}},
        {false, true, {false, false, true}},  // play and stop stay while a sound plays
        {true, true, {true, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ButtonsForSelection(testing, c.fileSelected, c.playing), c.expected) << c.fileSelected << c.playing;
    EXPECT_EQ(IdleButtons(false), (SoundButtons{false, false, false}));  // no play for an event item
}

TEST(SoundTreeTest, AFileInsideTheProgramFolderIsStoredRelativeToIt) {
    const std::wstring folder = L"C:\\ぽこみ\\";
    struct Case {
        std::wstring chosen;
        std::wstring stored;
    };
    const Case cases[] = {
        {L"C:\\ぽこみ\\dat\\sounds\\a.wav", L"dat\\sounds\\a.wav"},
        {L"c:\\ポコミ\\a.wav", L"c:\\ポコミ\\a.wav"},
        {L"c:/ぽこみ/a.wav", L"a.wav"},
        {L"C:\\ぽこみ2\\a.wav", L"C:\\ぽこみ2\\a.wav"},
        {L"D:\\sounds\\a.wav", L"D:\\sounds\\a.wav"},
        {L"C:\\ぽこみ\\..\\a.wav", L"C:\\ぽこみ\\..\\a.wav"},
        {L"C:\\ぽこみ\\\\a.wav", L"C:\\ぽこみ\\\\a.wav"},
        {L"C:\\ぽこみ\\a.wav:stream", L"C:\\ぽこみ\\a.wav:stream"},
        {L"C:\\ぽこみ\\", L"C:\\ぽこみ\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(StoredSoundPath(folder, c.chosen), c.stored);
    EXPECT_EQ(StoredSoundPath(L"\\\\server\\share\\", L"\\\\SERVER\\share\\a.wav"), L"a.wav");
}

}  // namespace
