// The clock page in the options sheet of a running clock: what OK and Apply hand
// to the clock and its profile, the face drawn at once, the colours the pickers show.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>

#include "ClockTestSupport.h"
#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "clock/CClockDialog.h"
#include "controls/CColourPicker.h"
#include "resource.h"
#include "ui/PropertySheet.h"

namespace {

class OptionClockPageTest : public testing::Test {
protected:
    // Starts the clock on the profile written so far and runs its options sheet through the steps.
    void RunSheet(std::vector<std::function<void()>> steps) {
        const size_t count = steps.size();
        clock.emplace(world);
        EXPECT_EQ(RunOptions(*clock, m_sheet, std::move(steps)), count);
    }
    HWND Item(int id) const { return GetDlgItem(CurrentPage(m_sheet), id); }
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void SheetButton(int id) const { ::Click(m_sheet, id); }
    bool ApplyEnabled() const { return Enabled(m_sheet, ui::kApplyButton); }
    CColourPicker& Picker(int id) const { return dynamic_cast<CColourPicker&>(*ui::Control::FromHandle(Item(id))); }
    // From nothing highlighted, Up reaches "自動" and each Down a row of the grid (黒, 濃い赤, 赤).
    void Choose(int pickerId, std::vector<WPARAM> keys) const {
        Click(pickerId);
        for (WPARAM key : keys) SendMessageW(Picker(pickerId).Popup(), WM_KEYDOWN, key, 0);
    }

    TestWorld world;
    std::optional<RunningClock> clock;
    HWND m_sheet = nullptr;
};

TEST_F(OptionClockPageTest, StandardLookThenOkWritesEveryStandardValue) {
    for (auto [key, value] : {std::pair{L"BrushR", L"10"},
                              {L"LineB", L"200"},
                              {L"Height", L"150"},
                              {L"TitleFace", L"1"},
                              {L"SecondHand", L"0"},
                              {L"FontSize", L"-30"},
                              {L"Italic", L"1"},
                              {L"FontFace", L"Arial"}})
        world.WriteProfile(key, value);
    RunSheet({[&] {
        Click(IDC_CLOCK_PAGE_FONT);  // the dial is on; the font dialog is cancelled
        ASSERT_EQ(world.fontDialogs.size(), 1u);
        EXPECT_EQ(world.fontDialogs[0].owner, m_sheet);
        EXPECT_STREQ(world.fontDialogs[0].font.lfFaceName, L"Arial");
        EXPECT_FALSE(ApplyEnabled());
        Click(IDC_CLOCK_PAGE_RESET);
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_CLOCK_PAGE_FONT)));
        EXPECT_EQ(SendMessageW(Item(IDC_CLOCK_PAGE_HEIGHT), TBM_GETPOS, 0, 0), 220);
        EXPECT_EQ(Picker(IDC_CLOCK_PAGE_FILL).GetColour(), RGB(179, 158, 93));
        EXPECT_TRUE(ApplyEnabled());
        SheetButton(IDOK);
    }});
    for (auto [key, value] : {std::pair{L"BrushR", L"179"},
                              {L"BrushG", L"158"},
                              {L"BrushB", L"93"},
                              {L"LineR", L"0"},
                              {L"LineG", L"0"},
                              {L"LineB", L"0"},
                              {L"Height", L"220"},
                              {L"TitleFace", L"0"},
                              {L"SecondHand", L"1"},
                              {L"CaptionClock", L"1"},
                              {L"FontSize", L"20"},
                              {L"Bold", L"700"},
                              {L"Italic", L"0"},
                              {L"FontFace", L"Times New Roman"}})
        EXPECT_EQ(world.ReadProfile(key), value) << Utf8(key);
    EXPECT_EQ(clock->Dialog()->Snapshot().settings.shadowColour, RGB(59, 52, 31));
}

// The whole face is drawn again at once: the new fill, and no second hand left over.
TEST_F(OptionClockPageTest, ApplyRedrawsTheFaceInTheNewColoursWithoutTheSecondHand) {
    world.time.hour = 15;  // the hour hand lies along the centre row, to the right
    world.time.minute = 0;
    Image shown;
    FaceCanvas expected;
    RunSheet({[&] {
                  SetWindowPos(m_sheet, nullptr, 600, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // off the clock
                  Choose(IDC_CLOCK_PAGE_FILL, {VK_UP, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
                  Click(IDC_CLOCK_PAGE_SECOND_HAND);
                  SheetButton(ui::kApplyButton);
                  shown = ShownPixels(clock->Hwnd());
                  EXPECT_FALSE(ApplyEnabled());
              },
              [&] { SheetButton(IDCANCEL); }});
    EXPECT_EQ(shown.At(95, 217), RGB(255, 0, 0));  // the fill half
    EXPECT_EQ(shown.At(95, 223), RGB(85, 0, 0));   // the shadow half
    clock->Dialog()->PaintFace(expected.Dc());
    const RECT face{0, 30, 165, 390};  // below the caption buttons, above the rounded corners
    EXPECT_TRUE(SameImage(shown.Part(face), expected.Pixels().Part(face)));
    EXPECT_EQ(world.ReadProfile(L"SecondHand"), L"0");
}

TEST_F(OptionClockPageTest, BlackFillShowsAndStoresTheStandardGold) {
    world.WriteProfile(L"BrushR", L"60");
    RunSheet({[&] {
        Choose(IDC_CLOCK_PAGE_FILL, {VK_UP, VK_DOWN, VK_RETURN});
        EXPECT_EQ(ShownPixels(Item(IDC_CLOCK_PAGE_FILL)).At(6, 6), RGB(179, 158, 93));  // the swatch
        SheetButton(IDOK);
    }});
    EXPECT_EQ(world.ReadProfile(L"BrushR"), L"179");
}

// A move that ends without SB_ENDSCROLL counts: here the key is still down at OK.
TEST_F(OptionClockPageTest, HeightMovedWithoutEndScrollIsKept) {
    LRESULT moved = 0;
    RunSheet({[&] {
        SendMessageW(Item(IDC_CLOCK_PAGE_HEIGHT), WM_KEYDOWN, VK_NEXT, 0);
        moved = SendMessageW(Item(IDC_CLOCK_PAGE_HEIGHT), TBM_GETPOS, 0, 0);
        EXPECT_TRUE(ApplyEnabled());
        SheetButton(IDOK);
    }});
    EXPECT_NE(moved, 220);
    EXPECT_EQ(world.ReadProfile(L"Height"), std::to_wstring(moved));
}

TEST_F(OptionClockPageTest, HeightOutOfRangeStaysUntilMoved) {
    world.WriteProfile(L"Height", L"400");
    RunSheet({[&] { SheetButton(IDOK); }});
    EXPECT_EQ(world.ReadProfile(L"Height"), L"400");
}

}  // namespace
