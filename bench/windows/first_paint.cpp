// Under Wine: the times from the process's creation to its window's first complete paint and to
// the window being idle after it, in milliseconds, for Tolm.exe's window (the game exactly as it
// starts) or, with --bare, a bare Win32 window maximized, the floor it is measured against.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "windows/program.h"

namespace {

double millisecondsSinceStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;  // 100 ns ticks
}

// Paints until nothing is left to paint, then waits for the drawing to finish: the first complete
// paint. What the window posted to itself for after it is left to idle().
void paintAll() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&message);
    GdiFlush();
}

// Handles every message until none is left.
void idle() {
    MSG message;
    while (GetQueueStatus(QS_ALLINPUT) != 0 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
}

LRESULT CALLBACK bareProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(w, message, wParam, lParam);
}

void bareWindow(HINSTANCE instance) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = bareProc;
    type.hInstance = instance;
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    type.lpszClassName = L"Bare";
    RegisterClassExW(&type);
    const HWND w = CreateWindowExW(0, L"Bare", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    ShowWindow(w, SW_SHOWMAXIMIZED);
    UpdateWindow(w);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    // The clocks stop before the game's window and its seventy controls are torn down.
    double painted = 0;
    double idled = 0;
    const auto measure = [&] {
        paintAll();
        painted = millisecondsSinceStart();
        idle();
        idled = millisecondsSinceStart();
    };
    if (std::wcsstr(commandLine, L"--bare")) {
        bareWindow(instance);
        measure();
    } else {
        tolm::windows::Program program(instance);
        measure();
    }
    std::printf("%.2f %.2f\n", painted, idled);
    return 0;
}
