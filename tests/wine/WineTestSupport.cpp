#include "WineTestSupport.h"

#include <mmsystem.h>
#include <prsht.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "ui/Control.h"
#include "ui/Dialog.h"
#include "ui/Text.h"

// ---- Files ----------------------------------------------------------------------------------

namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + L"\\");
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    m_path = std::wstring(base) + L"pokomi-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter) + L"\\";
    RemoveTree(m_path);
    CreateDirectoryW(m_path.c_str(), nullptr);
    CreateDirectoryW((m_path + L"dat").c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

void TempFolder::WriteData(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(DataPath(name).c_str(), std::ios::binary);
    out << bytes;
}

std::string TempFolder::ReadData(const std::wstring& name) const { return ReadFileBytes(DataPath(name)); }

bool TempFolder::DataExists(const std::wstring& name) const {
    return GetFileAttributesW(DataPath(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// ---- Text and sound bytes -------------------------------------------------------------------

std::string Utf8(const std::wstring& text) {
    int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string Cp932(const std::wstring& text) { return ui::NarrowExact(text, ui::kJapaneseCodePage).value(); }

std::string Utf16Le(const std::wstring& text) {
    std::string bytes;
    for (wchar_t c : text) PutLittleEndian(bytes, c, 2);
    return bytes;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string WaveFile(const std::string& format, const std::string& samples) {
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, static_cast<std::uint32_t>(4 + 8 + format.size() + 8 + samples.size()), 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, static_cast<std::uint32_t>(format.size()), 4);
    bytes += format + "data";
    PutLittleEndian(bytes, static_cast<std::uint32_t>(samples.size()), 4);
    return bytes + samples;
}

std::string MakeWave(int milliseconds, int frequency) {
    constexpr std::uint32_t kRate = 22050;
    std::string format;
    PutLittleEndian(format, 1, 2);  // PCM
    PutLittleEndian(format, 1, 2);  // mono
    PutLittleEndian(format, kRate, 4);
    PutLittleEndian(format, kRate * 2, 4);  // bytes per second
    PutLittleEndian(format, 2, 2);          // block align
    PutLittleEndian(format, 16, 2);         // bits per sample
    std::string samples;
    const std::uint32_t frames = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
    for (std::uint32_t i = 0; i < frames; ++i) {
        double sample = 6000.0 * std::sin(6.283185307179586 * frequency * i / kRate);
        PutLittleEndian(samples, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)), 2);
    }
    return WaveFile(format, samples);
}

std::vector<std::wstring> OpenMciDevices() {
    DWORD count = 0;
    MCI_SYSINFO_PARMSW quantity{};
    quantity.lpstrReturn = reinterpret_cast<LPWSTR>(&count);
    quantity.dwRetSize = sizeof(count);
    quantity.wDeviceType = MCI_ALL_DEVICE_ID;
    mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN,
                    reinterpret_cast<DWORD_PTR>(&quantity));
    std::vector<std::wstring> names;
    for (DWORD i = 1; i <= count; ++i) {
        wchar_t name[MAX_PATH] = {};
        MCI_SYSINFO_PARMSW query{};
        query.lpstrReturn = name;
        query.dwRetSize = MAX_PATH;
        query.dwNumber = i;
        query.wDeviceType = MCI_ALL_DEVICE_ID;
        mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_NAME | MCI_SYSINFO_OPEN,
                        reinterpret_cast<DWORD_PTR>(&query));
        names.emplace_back(name);
    }
    return names;
}

// ---- Messages -------------------------------------------------------------------------------

bool PumpUntil(const std::function<bool()>& done, int rounds) {
    for (int i = 0; i < rounds; ++i) {
        if (done()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        ui::PumpMessages();
    }
    return done();
}

namespace {

constexpr UINT kRunStep = WM_APP + 77;

// Registers a window class of this program once; later calls fail harmlessly.
void RegisterTestClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

// The object a window was created for, kept from WM_NCCREATE on.
template <class Object>
Object* BoundObject(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    return reinterpret_cast<Object*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

ModalScript::ModalScript(std::vector<std::function<void()>> steps) : m_steps(std::move(steps)) {
    RegisterTestClass(L"PokomiTestModalScript", &ModalScript::Proc);
    m_window = CreateWindowExW(0, L"PokomiTestModalScript", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), this);
    PostMessageW(m_window, kRunStep, 0, 0);
}

ModalScript::~ModalScript() { DestroyWindow(m_window); }

LRESULT CALLBACK ModalScript::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = BoundObject<ModalScript>(hwnd, message, lParam);
    if (message != kRunStep || !self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (self->m_next < self->m_steps.size()) {
        self->m_steps[self->m_next++]();
        PostMessageW(hwnd, kRunStep, 0, 0);
    }
    return 0;
}

// ---- Dialogs and controls driven by messages ------------------------------------------------

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

void ShowPage(HWND sheet, UINT templateId) {
    SendMessageW(sheet, PSM_SETCURSELID, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(templateId)));
}

void Click(HWND window, int id, bool post) {
    const WPARAM command = MAKEWPARAM(id, BN_CLICKED);
    const auto button = reinterpret_cast<LPARAM>(GetDlgItem(window, id));
    if (post)
        PostMessageW(window, WM_COMMAND, command, button);
    else
        SendMessageW(window, WM_COMMAND, command, button);
}

void Type(HWND window, int id, const wchar_t* text) {
    SendDlgItemMessageW(window, id, EM_SETSEL, 0, -1);
    SendDlgItemMessageW(window, id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

std::wstring Text(HWND window, int id) { return ui::WindowText(GetDlgItem(window, id)); }
bool Enabled(HWND window, int id) { return IsWindowEnabled(GetDlgItem(window, id)) != FALSE; }
bool Shown(HWND window, int id) { return IsWindowVisible(GetDlgItem(window, id)) != FALSE; }

void MouseMove(HWND hwnd, int x, int y, WPARAM keys) { SendMessageW(hwnd, WM_MOUSEMOVE, keys, MAKELPARAM(x, y)); }

void ClickAt(HWND hwnd, int x, int y) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// ---- Where windows stand --------------------------------------------------------------------

RECT WindowRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT RectIn(HWND parent, HWND child) {
    RECT r = WindowRectOf(child);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

bool InRegion(HWND hwnd, int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(hwnd, region);
    bool inside = PtInRegion(region, x, y) != FALSE;
    DeleteObject(region);
    return inside;
}

LOGFONTW FontOf(HWND hwnd) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font;
}

// ---- Stand-ins for what the windows live among ----------------------------------------------

ui::MessageBoxFunction RecordMessageBoxes(std::vector<MessageBoxCall>& calls, std::deque<int>* answers) {
    return [&calls, answers](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
        calls.push_back({text, caption, type, owner});
        if (!answers || answers->empty()) return IDOK;
        const int answer = answers->front();
        answers->pop_front();
        return answer;
    };
}

StandInTaskbar::StandInTaskbar() {
    RegisterTestClass(L"Shell_TrayWnd", DefWindowProcW);
    m_hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"Shell_TrayWnd", L"", WS_POPUP, 0, 570, 800, 30, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
}

ReflectingHost::ReflectingHost(SIZE size, COLORREF background)
    : m_background(background), m_brush(CreateSolidBrush(background)) {
    RegisterTestClass(L"PokomiTestReflectingHost", &ReflectingHost::Proc);
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST, L"PokomiTestReflectingHost", L"", WS_POPUP | WS_VISIBLE, 40, 40, size.cx,
                             size.cy, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    SetForegroundWindow(m_hwnd);
    SetActiveWindow(m_hwnd);
}

ReflectingHost::~ReflectingHost() {
    DestroyWindow(m_hwnd);
    DeleteObject(m_brush);
}

HWND ReflectingHost::AddChild(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                              int id) const {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void ReflectingHost::SetStripes(int width, COLORREF a, COLORREF b) {
    m_stripeWidth = width;
    m_stripes[0] = a;
    m_stripes[1] = b;
}

int ReflectingHost::Commands(int id, int code) const {
    int count = 0;
    for (const Received& r : received)
        count += r.message == WM_COMMAND && LOWORD(r.wParam) == id && HIWORD(r.wParam) == code ? 1 : 0;
    return count;
}

LRESULT CALLBACK ReflectingHost::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = BoundObject<ReflectingHost>(hwnd, message, lParam);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    self->m_hwnd = hwnd;  // already during creation
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT ReflectingHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = nullptr;
    switch (message) {
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_COMMAND: child = reinterpret_cast<HWND>(lParam); break;
    case WM_NOTIFY: child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom; break;
    default: break;
    }
    LRESULT result = 0;
    if (ui::Control* control = ui::Control::FromHandle(child))
        if (control->OnReflected(message, wParam, lParam, result)) return result;

    switch (message) {
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), m_background);
        return reinterpret_cast<LRESULT>(m_brush);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_COMMAND: received.push_back({message, wParam, lParam}); return 0;
    default:
        if (message >= WM_USER && message < WM_APP) received.push_back({message, wParam, lParam});
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

void ReflectingHost::Paint() const {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    const SIZE size = ClientSize(m_hwnd);
    const int step = m_stripeWidth ? m_stripeWidth : size.cx;
    for (int x = 0; x < size.cx; x += step) {
        RECT column{x, 0, x + step, size.cy};
        HBRUSH brush = CreateSolidBrush(m_stripeWidth ? m_stripes[(x / step) % 2] : m_background);
        FillRect(dc, &column, brush);
        DeleteObject(brush);
    }
    EndPaint(m_hwnd, &ps);
}
