// The colour picker on a window of its own: the swatch and arrow it draws, the
// popup it opens, and the messages its parent gets for clicks, keys and cancels.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "PixelTestSupport.h"
#include "WineTestSupport.h"
#include "controls/CColourPicker.h"
#include "controls/ColourPickerLayout.h"
#include "controls/ColourPickerMessages.h"
#include "controls/ColourTable.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"
#include "ui/Text.h"

namespace {

constexpr int kId = 1031;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDefaultFill = RGB(179, 158, 93);
constexpr COLORREF kNotInTable = RGB(12, 34, 56);
constexpr UINT kOpened = kColourPopupOpenedMessage;
constexpr UINT kHighlighted = kColourHighlightedMessage;
constexpr UINT kClosed = kColourPopupClosedMessage;
constexpr UINT kChosen = kColourChosenMessage;
constexpr UINT kCancelled = kColourCancelledMessage;

COLORREF TableColour(int index) { return kColourTable[static_cast<size_t>(index)].colour; }

struct Sent {
    UINT message;
    COLORREF colour;
    LPARAM id;
    friend bool operator==(const Sent&, const Sent&) = default;
};
void PrintTo(const Sent& s, std::ostream* out) { *out << s.message << "(" << std::hex << s.colour << ")"; }

HWND FindTooltip(HWND owner) {
    std::pair<HWND, HWND> search{owner, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<std::pair<HWND, HWND>*>(data);
            wchar_t name[64] = L"";
            GetClassNameW(hwnd, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && GetWindow(hwnd, GW_OWNER) == s->first) s->second = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

LPARAM PointParam(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }
POINT Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
Image Pixels(HWND hwnd, const Rect& r) { return RepaintedPixels(hwnd, {r.left, r.top, r.right, r.bottom}); }
COLORREF Pixel(HWND hwnd, POINT p) { return Pixels(hwnd, {p.x, p.y, p.x + 1, p.y + 1}).At(0, 0); }

}  // namespace

// A picker on a parent that reflects to it, as a dialog does, and records what the picker tells it.
class ColourPickerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_picker.AttachHandle(m_host.AddChild(L"BUTTON", L"", BS_PUSHBUTTON, {20, 10, 80, 24}, kId)));
        m_picker.SetColourDialog([this](HWND owner, COLORREF initial) {
            m_dialogCalls.push_back({owner, initial, IsWindowEnabled(m_host.Handle()) != FALSE});
            SendMessageW(owner, WM_ACTIVATEAPP, FALSE, 0);  // another program meanwhile: the popup waits
            return m_dialogAnswer;
        });
        const SIZE client = ClientSize(Button());
        m_metrics = {GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CXHTHUMB),
                     GetSystemMetrics(SM_CYVTHUMB)};
        m_client = {client.cx, client.cy};
        ui::PumpMessages();
    }
    void TearDown() override {
        if (HWND popup = m_picker.Popup()) SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        DestroyWindow(Button());
        ui::PumpMessages();
    }

    HWND Button() const { return m_picker.Handle(); }
    POINT SwatchCentre() const { return Centre(PickerSwatch(m_metrics, m_client)); }

    // The picker's messages to its parent, since the record last started afresh.
    std::vector<Sent> SentToParent() const {
        std::vector<Sent> sent;
        for (const ReflectingHost::Received& r : m_host.received)
            if (r.message >= kHighlighted && r.message <= kCancelled)
                sent.push_back({r.message, static_cast<COLORREF>(r.wParam), r.lParam});
        return sent;
    }
    // Opens the popup with a click on the button; the parent's record starts afresh.
    HWND Open(COLORREF colour) {
        m_picker.SetColour(colour);
        m_host.received.clear();
        SendMessageW(Button(), BM_CLICK, 0, 0);
        return m_picker.Popup();
    }
    void Send(HWND popup, UINT message, WPARAM wParam, LPARAM lParam = 0) {
        SendMessageW(popup, message, wParam, lParam);
        ui::PumpMessages();
    }
    void Click(HWND popup, POINT client) {
        Send(popup, WM_MOUSEMOVE, 0, PointParam(client));
        Send(popup, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(client));
        Send(popup, WM_LBUTTONUP, 0, PointParam(client));
    }
    // The last two messages: closed, then chosen or cancelled, both with `colour`.
    void ExpectEnded(UINT how, COLORREF colour) {
        const std::vector<Sent> sent = SentToParent();
        ASSERT_GE(sent.size(), 2u);
        EXPECT_EQ(sent[sent.size() - 2], (Sent{kClosed, colour, kId}));
        EXPECT_EQ(sent.back(), (Sent{how, colour, kId}));
        EXPECT_EQ(m_picker.GetColour(), colour);
        EXPECT_EQ(m_picker.Popup(), nullptr);
    }

    struct DialogCall {
        HWND owner;
        COLORREF initial;
        bool pickerWindowEnabled;
    };
    ReflectingHost m_host{{240, 60}, GetSysColor(COLOR_BTNFACE)};
    CColourPicker m_picker;
    PickerMetrics m_metrics;
    Size m_client;
    std::optional<COLORREF> m_dialogAnswer;
    std::vector<DialogCall> m_dialogCalls;
    const ColourPopupLayout m_layout = CColourPopup::LayoutFor(L"自動", L"その他の色(&M)...");
};

TEST_F(ColourPickerTest, OwnerDrawnButtonAsTallAsItsArrowShowsTheColourOrTheDefault) {
    EXPECT_EQ(GetWindowLongPtrW(Button(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(m_client, PickerSize(m_metrics, 60));
    m_picker.SetDefaultColour(kDefaultFill);
    struct Case {
        COLORREF colour;
        BOOL enabled;
        COLORREF shown;
    };
    for (const Case& c : {Case{kRed, TRUE, kRed}, Case{kNotInTable, TRUE, kNotInTable},
                          Case{CLR_DEFAULT, TRUE, kDefaultFill}, Case{kRed, FALSE, kDefaultFill}}) {
        EnableWindow(Button(), c.enabled);
        m_picker.SetColour(c.colour);
        EXPECT_EQ(Pixel(Button(), SwatchCentre()), c.shown) << std::hex << c.colour;
    }
}

TEST_F(ColourPickerTest, PopupOpensUnderThePressedButtonAtItsLayoutSizeWithTheMouseAndATipPerCell) {
    const Rect arrow = PickerArrow(m_metrics, m_client);
    const Image normal = Pixels(Button(), arrow);
    HWND popup = Open(kRed);
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(SameImage(Pixels(Button(), arrow), normal));
    EXPECT_EQ(SentToParent(), (std::vector<Sent>{{kOpened, kRed, kId}}));
    const RECT button = WindowRectOf(Button()), window = WindowRectOf(popup);
    EXPECT_EQ(window.left, button.left);
    EXPECT_EQ(window.top, button.bottom);
    EXPECT_EQ((Size{window.right - window.left, window.bottom - window.top}), m_layout.WindowSize());
    EXPECT_EQ(GetCapture(), popup);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), m_host.Handle());
    EXPECT_EQ(SendMessageW(FindTooltip(popup), TTM_GETTOOLCOUNT, 0, 0), 40);
    Send(popup, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(SameImage(Pixels(Button(), arrow), normal));
    EnableWindow(Button(), FALSE);
    EXPECT_FALSE(SameImage(Pixels(Button(), arrow), normal));  // the inactive arrow
}

TEST_F(ColourPickerTest, ChosenElementIsSunkWhenThePopupOpens) {
    const std::pair<COLORREF, int> cases[] = {{kRed, 16}, {kNotInTable, kMoreColoursBox}, {CLR_DEFAULT, kAutomaticBox}};
    for (const auto& [colour, chosen] : cases) {
        HWND popup = Open(colour);
        ASSERT_NE(popup, nullptr);
        for (int element : {chosen, 0, kMoreColoursBox, kAutomaticBox}) {
            const Rect r = m_layout.Element(element);
            EXPECT_EQ(Pixel(popup, {r.left, r.top}), GetSysColor(element == chosen ? COLOR_BTNSHADOW : COLOR_BTNFACE))
                << std::hex << colour << std::dec << " element " << element;
        }
        Send(popup, WM_KEYDOWN, VK_ESCAPE);
    }
}

TEST_F(ColourPickerTest, ClickOnACellChoosesItsColour) {
    HWND popup = Open(kRed);
    ASSERT_NE(popup, nullptr);
    Click(popup, Centre(m_layout.Cell(29)));
    const COLORREF sky = TableColour(29);
    EXPECT_EQ(
        SentToParent(),
        (std::vector<Sent>{{kOpened, kRed, kId}, {kHighlighted, sky, kId}, {kClosed, sky, kId}, {kChosen, sky, kId}}));
    ExpectEnded(kChosen, sky);
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(ColourPickerTest, KeysMoveTheHighlightAndEnterChoosesAutomatic) {
    m_picker.SetDefaultColour(kDefaultFill);
    HWND popup = Open(kRed);
    ASSERT_NE(popup, nullptr);
    // Nothing highlighted yet: Down goes to the more-colours box, Up from there to the last
    // cell, Right on to the more-colours box and Down from it to the automatic box.
    for (WPARAM key : {VK_DOWN, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}) Send(popup, WM_KEYDOWN, key);
    EXPECT_EQ(SentToParent(), (std::vector<Sent>{{kOpened, kRed, kId},
                                                 {kHighlighted, kRed, kId},
                                                 {kHighlighted, TableColour(39), kId},
                                                 {kHighlighted, kRed, kId},
                                                 {kHighlighted, CLR_DEFAULT, kId},
                                                 {kClosed, CLR_DEFAULT, kId},
                                                 {kChosen, CLR_DEFAULT, kId}}));
    EXPECT_EQ(Pixel(Button(), SwatchCentre()), kDefaultFill);
}

TEST_F(ColourPickerTest, EscapeReleaseOutsideAndDeactivationCancel) {
    m_picker.SetTrackSelection(true);
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    for (const Case& c :
         {Case{"Escape", WM_KEYDOWN, VK_ESCAPE, 0}, Case{"release outside", WM_LBUTTONUP, 0, PointParam({-10, 5})},
          Case{"another program", WM_ACTIVATEAPP, FALSE, 0}, Case{"another window", WM_ACTIVATE, WA_INACTIVE, 0},
          Case{"Alt+F4", WM_CLOSE, 0, 0}}) {
        SCOPED_TRACE(c.name);
        HWND popup = Open(kNotInTable);
        ASSERT_NE(popup, nullptr);
        Send(popup, WM_KEYDOWN, VK_LEFT);  // the automatic box, taken over at once by the tracking button
        EXPECT_EQ(m_picker.GetColour(), CLR_DEFAULT);
        Send(popup, c.message, c.wParam, c.lParam);
        ExpectEnded(kCancelled, kNotInTable);
        EXPECT_FALSE(IsWindow(popup));
    }
}

TEST_F(ColourPickerTest, MoreColoursRunsTheDialogOverADisabledWindowAndItsCancelCancels) {
    const std::pair<std::optional<COLORREF>, UINT> cases[] = {{kNotInTable, kChosen}, {std::nullopt, kCancelled}};
    for (const auto& [answer, how] : cases) {
        m_dialogAnswer = answer;
        m_dialogCalls.clear();
        HWND popup = Open(kRed);
        ASSERT_NE(popup, nullptr);
        Click(popup, Centre(m_layout.MoreColoursBox()));
        ASSERT_EQ(m_dialogCalls.size(), 1u);
        EXPECT_EQ(m_dialogCalls[0].owner, popup);
        EXPECT_EQ(m_dialogCalls[0].initial, kRed);
        EXPECT_FALSE(m_dialogCalls[0].pickerWindowEnabled);
        EXPECT_TRUE(IsWindowEnabled(m_host.Handle()));
        ExpectEnded(how, answer.value_or(kRed));
        const std::vector<Sent> sent = SentToParent();
        EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const Sent& s) { return s.message == kClosed; }), 1);
    }
}

TEST_F(ColourPickerTest, HoveringACellShowsItsName) {
    HWND popup = Open(kRed);
    ASSERT_NE(popup, nullptr);
    POINT cell = Centre(m_layout.Cell(16));
    ClientToScreen(popup, &cell);
    SetCursorPos(cell.x, cell.y);  // the captured pointer's moves reach the popup and its tooltip
    HWND tip = FindTooltip(popup);
    ASSERT_TRUE(PumpUntil([tip] { return IsWindowVisible(tip) != FALSE; }));
    EXPECT_EQ(ui::WindowText(tip), kColourTable[16].name);
}

TEST_F(ColourPickerTest, PopupGivesBackEveryGdiObjectAndGoesQuietlyWithItsButton) {
    const long before = ui::gdi::LiveObjects();
    for (int round = 0; round < 3; ++round) {
        HWND popup = Open(TableColour(round));
        ASSERT_NE(popup, nullptr);
        Send(popup, WM_KEYDOWN, VK_RIGHT);
        Send(popup, WM_MOUSEMOVE, 0, PointParam(Centre(m_layout.Cell(20))));
        Pixel(popup, {5, 5});
        Send(popup, WM_KEYDOWN, VK_ESCAPE);
        EXPECT_EQ(ui::gdi::LiveObjects(), before);
    }
    HWND popup = Open(kRed);
    ASSERT_NE(popup, nullptr);
    m_host.received.clear();
    DestroyWindow(Button());
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_TRUE(SentToParent().empty());
    EXPECT_EQ(ui::gdi::LiveObjects(), before);
}
