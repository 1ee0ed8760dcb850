// What any Wine test may need: a folder of its own, files held by another program,
// message pumping, steps run inside modal loops, dialogs driven by messages, the
// bytes of text and sound files, and stand-ins for the message box, the taskbar
// and a dialog that owns controls.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/DataExchange.h"

// ---- Files ----------------------------------------------------------------------------------

// A fresh folder under %TEMP% holding dat\, removed again at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }  // ends with a backslash
    std::wstring DataPath(const std::wstring& name) const { return m_path + L"dat\\" + name; }
    void WriteData(const std::wstring& name, const std::string& bytes) const;
    std::string ReadData(const std::wstring& name) const;
    bool DataExists(const std::wstring& name) const;

private:
    std::wstring m_path;
};

std::string ReadFileBytes(const std::wstring& path);  // "" when missing

// A file held open by another program for as long as this object lives; `share`
// says what that program lets others do meanwhile.
class HeldFile {
public:
    HeldFile(const std::wstring& path, DWORD share)
        : m_handle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return m_handle != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

// ---- Text and sound bytes -------------------------------------------------------------------

inline constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
std::string Utf8(const std::wstring& text);
std::string Cp932(const std::wstring& text);    // the text must fit code page 932
std::string Utf16Le(const std::wstring& text);  // without a byte-order mark

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size);
// A RIFF WAVE file of one format chunk and one data chunk.
std::string WaveFile(const std::string& format, const std::string& samples);
// A 16-bit mono 22050 Hz PCM WAV file of a sine tone.
std::string MakeWave(int milliseconds, int frequency = 660);
// The MCI devices this process has open: their element names, in MCI's order.
std::vector<std::wstring> OpenMciDevices();

// ---- Messages -------------------------------------------------------------------------------

// Handles messages until `done` holds, waiting at most 100 ms for each of at
// most `rounds` batches of messages. Returns whether `done` held.
bool PumpUntil(const std::function<bool()>& done, int rounds = 300);

// Runs steps one after another from inside whatever modal loop the thread runs
// (a property sheet, a dialog): each step is posted once the one before it has
// returned, so the loop handles what that step caused first. A step that opens
// another modal window posts the command that opens it, so that it returns and the
// next steps run inside the new window's loop.
class ModalScript {
public:
    explicit ModalScript(std::vector<std::function<void()>> steps);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    size_t StepsRun() const { return m_next; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
    HWND m_window = nullptr;
};

// ---- Dialogs and controls driven by messages ------------------------------------------------

HWND CurrentPage(HWND sheet);
void ShowPage(HWND sheet, UINT templateId);
// Posted for a button that opens a modal window: the next step runs inside it.
void Click(HWND window, int id, bool post = false);
// As typed over the whole text: a multi-line box tells its parent of WM_SETTEXT no change.
void Type(HWND window, int id, const wchar_t* text);
std::wstring Text(HWND window, int id);
bool Enabled(HWND window, int id);
bool Shown(HWND window, int id);
void MouseMove(HWND hwnd, int x, int y, WPARAM keys = 0);
void ClickAt(HWND hwnd, int x, int y);  // the left button pressed and released there

// ---- Where windows stand --------------------------------------------------------------------

RECT WindowRectOf(HWND hwnd);
// Left, top, right and bottom, to compare a rectangle's sides in one check.
inline std::array<LONG, 4> Sides(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT RectIn(HWND parent, HWND child);
inline RECT ChildRectInParent(HWND parent, int id) { return RectIn(parent, GetDlgItem(parent, id)); }
SIZE ClientSize(HWND hwnd);
RECT WorkArea();
bool InRegion(HWND hwnd, int x, int y);  // inside the window's region, in window coordinates
LOGFONTW FontOf(HWND hwnd);              // the font the window was given

// ---- Stand-ins for what the windows live among ----------------------------------------------

struct MessageBoxCall {
    std::wstring text;
    std::wstring caption;
    UINT type;
    HWND owner = nullptr;
};

// A message box that records each call and answers from `answers` in turn, IDOK once none is left.
ui::MessageBoxFunction RecordMessageBoxes(std::vector<MessageBoxCall>& calls, std::deque<int>* answers = nullptr);

// A window of the taskbar's class along the bottom of an 800 x 600 screen: Wine
// without a virtual desktop has no taskbar.
class StandInTaskbar {
public:
    StandInTaskbar();
    ~StandInTaskbar() { DestroyWindow(m_hwnd); }
    StandInTaskbar(const StandInTaskbar&) = delete;
    StandInTaskbar& operator=(const StandInTaskbar&) = delete;
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// A plain topmost window, active, that gives its children's control objects the first
// look at what the children send it, as a dialog does. What no control takes: a
// static's colour is the host's background, and commands and messages from WM_USER
// up are recorded.
class ReflectingHost {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit ReflectingHost(SIZE size, COLORREF background = RGB(255, 255, 255));
    ~ReflectingHost();
    ReflectingHost(const ReflectingHost&) = delete;
    ReflectingHost& operator=(const ReflectingHost&) = delete;

    HWND Handle() const { return m_hwnd; }
    HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect, int id) const;
    // Vertical stripes of the given width in two colours instead of the background.
    void SetStripes(int width, COLORREF a, COLORREF b);
    int Commands(int id, int code) const;  // WM_COMMAND notifications no control took

    std::vector<Received> received;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint() const;

    HWND m_hwnd = nullptr;
    COLORREF m_background;
    HBRUSH m_brush;  // not a counted ui::gdi owner: tests count what the controls hold
    int m_stripeWidth = 0;
    COLORREF m_stripes[2] = {};
};
