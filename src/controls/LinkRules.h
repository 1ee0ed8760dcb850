// What a hyperlink does, without any window: its style bits, the colour it takes in
// each state, where it goes when it is sized to its text, how an address is opened
// (the shell first, then the command registered for ".htm" files) and what the error
// box says when nothing could open it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/LinkOutcome.h"

// Link style bits.
inline constexpr unsigned kLinkUnderline = 0x01;
inline constexpr unsigned kLinkUseHover = 0x02;      // the hover colour while the pointer is over the link
inline constexpr unsigned kLinkAutoSize = 0x04;      // the control is sized to its text
inline constexpr unsigned kLinkOpenOnDown = 0x08;    // open when the button goes down, not up
inline constexpr unsigned kLinkFocusOnClick = 0x10;  // take the keyboard focus when clicked
inline constexpr unsigned kLinkNoHandCursor = 0x20;  // keep the default cursor
inline constexpr unsigned kLinkNoPressedColour = 0x40;
inline constexpr unsigned kLinkDefaultStyle = kLinkUnderline | kLinkAutoSize | kLinkFocusOnClick;

using LinkColour = std::uint32_t;  // 0x00BBGGRR
// A hover colour of -1 stands for the system's highlight colour.
inline constexpr LinkColour kLinkSystemHighlight = 0xFFFFFFFF;

constexpr LinkColour MakeLinkColour(int red, int green, int blue) {
    return static_cast<LinkColour>(red) | static_cast<LinkColour>(green) << 8 | static_cast<LinkColour>(blue) << 16;
}

// The four colours every link of the program shares.
struct LinkColours {
    LinkColour link = MakeLinkColour(0, 0, 255);
    LinkColour pressed = MakeLinkColour(0, 128, 128);
    LinkColour visited = MakeLinkColour(128, 0, 128);
    LinkColour hover = MakeLinkColour(255, 0, 0);
};

struct LinkState {
    bool hover = false;
    bool pressed = false;  // focused, or the button went down on it
    bool visited = false;
};

// First match wins: hover (with kLinkUseHover), pressed (without kLinkNoPressedColour), visited, plain.
LinkColour ChooseLinkColour(const LinkColours& colours, const LinkState& state, unsigned style);

// The style with `remove` cleared and `add` set; nothing when the two sets overlap.
std::optional<unsigned> ChangeLinkStyle(unsigned style, unsigned remove, unsigned add);

// Rectangles in the parent's pixels.
struct LinkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class LinkAlign { Left, Centre, Right };

struct LinkFit {
    LinkBox window;       // where the control is now
    int borderWidth = 0;  // window size minus client size
    int borderHeight = 0;
    int textWidth = 0;  // the text measured in the link's font
    int textHeight = 0;
    LinkAlign align = LinkAlign::Left;
    bool centreVertically = false;
};

// The control's rectangle once sized to its text: it keeps its left edge, right edge or
// centre by its alignment, and its top (or its vertical centre).
LinkBox FitLinkToText(const LinkFit& fit);

// The command line that opens `address` through the registered handler command: the
// command cut where its "%1" placeholder begins (at the opening quote of a quoted one),
// then a space and the address. The address is quoted when it holds a blank, and a
// quote inside it is written %22, so it stays one argument.
std::wstring FallbackCommand(std::wstring_view handlerCommand, std::wstring_view address);

// A local file (a drive or network path) that the shell reported missing: a browser
// started with it could not show it either.
bool IsMissingLocalFile(std::wstring_view address, int shellCode);

// "Can't open link:" and the text for a failure code of the shell or of starting a program.
std::wstring LinkErrorText(int code);

// What opening an address needs from the system.
struct LinkOpeners {
    std::function<LinkOutcome(const std::wstring& address)> shellOpen;
    // The default value of a key under HKEY_CLASSES_ROOT; nothing when it cannot be read.
    std::function<std::optional<std::wstring>(const std::wstring& key)> readClassesRoot;
    std::function<LinkOutcome(const std::wstring& commandLine)> runCommand;
};

// The shell first; when it fails, the command registered for ".htm" files. The shell's
// outcome stands when no such command can be read. An empty address is a missing file.
LinkOutcome OpenLinkThrough(const std::wstring& address, const LinkOpeners& openers);

// The manual shipped beside the program.
inline constexpr wchar_t kManualFileName[] = L"manual.html";
std::wstring ManualPath(const std::wstring& programFolder);
