// Measures the clock's drawing under Wine: a full paint, a second step, and the
// GDI objects alive across 100,000 ticks. Run by tools/bench.sh, not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CClockApp.h"
#include "app/SystemEnvironment.h"
#include "app/CClockTrayWnd.h"
#include "clock/CClockDialog.h"
#include "ui/Dialog.h"
#include "ui/Gdi.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double MedianMicroseconds(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2] * 1e6;
}

LocalTime g_time;

void AdvanceOneSecond() {
    if (++g_time.second < 60) return;
    g_time.second = 0;
    if (++g_time.minute < 60) return;
    g_time.minute = 0;
    g_time.hour = (g_time.hour + 1) % 24;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: pokomi_bench PROGRAM_FOLDER\\\n");
        return 2;
    }
    g_time.year = 2026;
    g_time.month = 12;
    g_time.day = 24;
    g_time.weekday = 4;
    g_time.hour = 9;
    g_time.minute = 0;
    g_time.second = 0;

    ui::Environment env = MakeSystemEnvironment();
    env.programFolder = argv[1];
    env.profilePath = env.programFolder + L"pokomi-bench.ini";
    env.now = [] { return g_time; };
    env.randomSeed = 1u;
    env.endsMessageLoop = false;
    env.notifyIcon = [](DWORD, NOTIFYICONDATAW*) { return TRUE; };
    CClockApp app(env);
    if (!app.InitInstance()) return 1;
    ui::PumpMessages();
    CClockDialog* clock = app.MainWindow()->ClockDialog();
    HWND hwnd = clock->Handle();

    std::vector<double> paints, steps;
    for (int i = 0; i < 300; ++i) {
        double start = Now();
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        GdiFlush();
        paints.push_back(Now() - start);
    }
    {
        ui::gdi::ClientDC dc(hwnd);
        for (int i = 0; i < 3000; ++i) {
            double start = Now();
            clock->StepSecondHand(dc.Get(), i % 60, (i + 1) % 60);
            GdiFlush();
            steps.push_back(Now() - start);
        }
        clock->StepSecondHand(dc.Get(), 3000 % 60, 0);
    }

    AdvanceOneSecond();
    SendMessageW(hwnd, WM_TIMER, CClockDialog::kSecondTimer, 0);
    long afterFirst = ui::gdi::LiveObjects();
    double start = Now();
    for (int i = 1; i < 100000; ++i) {
        AdvanceOneSecond();
        SendMessageW(hwnd, WM_TIMER, (i % 4 == 0) ? CClockDialog::kSecondTimer : CClockDialog::kReturnHomeTimer, 0);
        if (i % 1000 == 0) ui::PumpMessages();
    }
    double tickSeconds = Now() - start;
    long afterAll = ui::gdi::LiveObjects();

    std::printf("full paint (WM_PAINT of the whole window), median of %zu: %.0f us\n", paints.size(),
                MedianMicroseconds(paints));
    std::printf("second step (two inverted lines), median of %zu: %.1f us\n", steps.size(), MedianMicroseconds(steps));
    std::printf("100,000 ticks (27.8 simulated hours, one per second): %.1f s wall\n", tickSeconds);
    std::printf("GDI objects alive after the first tick: %ld, after 100,000 ticks: %ld (%s)\n", afterFirst, afterAll,
                afterFirst == afterAll ? "same" : "LEAK");
    DestroyWindow(hwnd);
    DestroyWindow(app.MainWindow()->Handle());
    ui::PumpMessages();
    return afterFirst == afterAll ? 0 : 1;
}
