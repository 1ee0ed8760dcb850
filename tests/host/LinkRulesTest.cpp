#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/LinkRules.h"

namespace {

constexpr wchar_t kAddress[] = L"http://example.invalid/pokomi/";

TEST(LinkRulesTest, FallbackCommandCutsTheHandlerAtItsPlaceholder) {
    struct Case {
        const wchar_t* handler;
        const wchar_t* expected;
    };
    const Case cases[] = {
        // A quoted placeholder is cut at its opening quote: the program, two spaces, the address.
        {L"\"C:\\Web\\browse.exe\" \"%1\"", L"\"C:\\Web\\browse.exe\"  http://example.invalid/pokomi/"},
        {L"\"C:\\Web\\browse.exe\" -new \"%1\" -tab", L"\"C:\\Web\\browse.exe\" -new  http://example.invalid/pokomi/"},
        {L"C:\\Web\\browse.exe %1", L"C:\\Web\\browse.exe  http://example.invalid/pokomi/"},
        // Without a placeholder the whole command stays, then one space and the address.
        {L"C:\\Web\\browse.exe", L"C:\\Web\\browse.exe http://example.invalid/pokomi/"},
        {L"\"C:\\Web\\browse.exe\" -nohome", L"\"C:\\Web\\browse.exe\" -nohome http://example.invalid/pokomi/"},
    };
    for (const Case& c : cases) EXPECT_EQ(FallbackCommand(c.handler, kAddress), c.expected) << c.handler;
}

TEST(LinkRulesTest, FallbackCommandKeepsTheAddressOneArgument) {
    EXPECT_EQ(FallbackCommand(L"b.exe \"%1\"", L"C:\\My Tools\\pokomi\\manual.html"),
              L"b.exe  \"C:\\My Tools\\pokomi\\manual.html\"");
    EXPECT_EQ(FallbackCommand(L"b.exe", L"http://x/?q=\"a\" -b"), L"b.exe \"http://x/?q=%22a%22 -b\"");
}

TEST(LinkRulesTest, FallbackCommandHasNoLengthLimit) {
    const std::wstring program = L"\"C:\\" + std::wstring(300, L'd') + L"\\browse.exe\"";
    const std::wstring address = L"http://example.invalid/" + std::wstring(2000, L'p');
    const std::wstring command = FallbackCommand(program + L" \"%1\"", address);
    EXPECT_EQ(command, program + L"  " + address);
}

TEST(LinkRulesTest, ColourFollowsHoverThenPressedThenVisited) {
    const LinkColours colours{1, 2, 3, 4};
    struct Case {
        LinkState state;
        unsigned style;
        LinkColour expected;
    };
    const Case cases[] = {
        {{false, false, false}, kLinkDefaultStyle, colours.link},
        {{false, false, true}, kLinkDefaultStyle, colours.visited},
        {{false, true, true}, kLinkDefaultStyle, colours.pressed},
        {{false, true, true}, kLinkNoPressedColour, colours.visited},
        {{true, true, true}, kLinkDefaultStyle, colours.pressed},  // hover counts only with its bit
        {{true, true, true}, kLinkUseHover, colours.hover},
        {{true, false, false}, kLinkUseHover | kLinkNoPressedColour, colours.hover},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLinkColour(colours, c.state, c.style), c.expected)
            << c.state.hover << c.state.pressed << c.state.visited << " style " << c.style;
    }
}

TEST(LinkRulesTest, StyleChangeRefusesOverlappingSets) {
    EXPECT_EQ(ChangeLinkStyle(kLinkDefaultStyle, 0, kLinkUseHover), kLinkDefaultStyle | kLinkUseHover);
    EXPECT_EQ(ChangeLinkStyle(kLinkDefaultStyle, kLinkAutoSize, kLinkOpenOnDown),
              kLinkUnderline | kLinkFocusOnClick | kLinkOpenOnDown);
    EXPECT_FALSE(ChangeLinkStyle(kLinkDefaultStyle, kLinkUseHover | kLinkUnderline, kLinkUnderline).has_value());
}

TEST(LinkRulesTest, ErrorTextNamesTheFailure) {
    EXPECT_EQ(LinkErrorText(2), L"Can't open link:\n\nThe specified file was not found.");
    for (int code : {1, 33, 193, -7}) {
        EXPECT_EQ(LinkErrorText(code), L"Can't open link:\n\nUnknown Error (" + std::to_wstring(code) + L") occurred.");
    }
}

TEST(LinkRulesTest, SizingToTextKeepsTheEdgeItsAlignmentNames) {
    // A 200 x 40 control with a one-pixel border around a 58 x 18 text.
    LinkFit fit{{100, 50, 300, 90}, 2, 2, 58, 18, LinkAlign::Left, false};
    auto fitted = [&](LinkAlign align, bool centreVertically) {
        fit.align = align;
        fit.centreVertically = centreVertically;
        LinkBox box = FitLinkToText(fit);
        return std::vector<int>{box.left, box.top, box.right, box.bottom};
    };
    EXPECT_EQ(fitted(LinkAlign::Left, false), (std::vector<int>{100, 50, 160, 70}));
    EXPECT_EQ(fitted(LinkAlign::Right, false), (std::vector<int>{240, 50, 300, 70}));
    EXPECT_EQ(fitted(LinkAlign::Centre, false), (std::vector<int>{170, 50, 230, 70}));
    EXPECT_EQ(fitted(LinkAlign::Left, true), (std::vector<int>{100, 60, 160, 80}));
}

// The openers record what they were asked and answer as the test says.
struct FakeSystem {
    LinkOutcome shell{false, 31};
    std::optional<std::wstring> htmClass;
    std::optional<std::wstring> handler;
    LinkOutcome run{true, 0};
    std::vector<std::wstring> calls;

    LinkOpeners Openers() {
        LinkOpeners openers;
        openers.shellOpen = [this](const std::wstring& address) {
            calls.push_back(L"shell " + address);
            return shell;
        };
        openers.readClassesRoot = [this](const std::wstring& key) {
            calls.push_back(L"read " + key);
            return key == L".htm" ? htmClass : handler;
        };
        openers.runCommand = [this](const std::wstring& command) {
            calls.push_back(L"run " + command);
            return run;
        };
        return openers;
    }
};

TEST(LinkRulesTest, OpeningFallsBackToTheHtmlHandler) {
    FakeSystem system;
    system.htmClass = L"htmlfile";
    system.handler = L"\"C:\\b.exe\" \"%1\"";
    system.run = {false, 5};
    LinkOutcome outcome = OpenLinkThrough(kAddress, system.Openers());
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.code, 5);  // the fallback's own failure
    EXPECT_EQ(system.calls, (std::vector<std::wstring>{L"shell http://example.invalid/pokomi/", L"read .htm",
                                                       L"read htmlfile\\shell\\open\\command",
                                                       L"run \"C:\\b.exe\"  http://example.invalid/pokomi/"}));
}

TEST(LinkRulesTest, TheShellsOutcomeStandsWithoutAFallback) {
    struct Case {
        const wchar_t* address;
        LinkOutcome shell;
        std::optional<std::wstring> htmClass;
        size_t calls;
    };
    const Case cases[] = {
        {kAddress, {true, 42}, L"htmlfile", 1},                    // opened: nothing more
        {kAddress, {false, 31}, std::nullopt, 2},                  // no ".htm" class
        {kAddress, {false, 31}, L"htmlfile", 3},                   // a class without an open command
        {L"C:\\pokomi\\manual.html", {false, 2}, L"htmlfile", 1},  // a missing file stays missing
        {L"\\\\server\\pokomi\\manual.html", {false, 3}, L"htmlfile", 1},
    };
    for (const Case& c : cases) {
        FakeSystem system;
        system.shell = c.shell;
        system.htmClass = c.htmClass;
        LinkOutcome outcome = OpenLinkThrough(c.address, system.Openers());
        EXPECT_EQ(outcome.opened, c.shell.opened) << c.address;
        EXPECT_EQ(outcome.code, c.shell.code) << c.address;
        EXPECT_EQ(system.calls.size(), c.calls) << c.address;
    }
    FakeSystem system;
    EXPECT_EQ(OpenLinkThrough(L"", system.Openers()).code, 2);
    EXPECT_TRUE(system.calls.empty());
}

TEST(LinkRulesTest, TheManualLiesInTheProgramFolder) {
    EXPECT_EQ(ManualPath(L"C:\\pokomi\\"), L"C:\\pokomi\\manual.html");
    EXPECT_EQ(ManualPath(L"C:\\pokomi"), L"C:\\pokomi\\manual.html");
}

}  // namespace
