// Reads Tolm.exe's window as a screen reader does, through the standard controls' own names: for
// each line read on standard input, one line of JSON on standard output with the window's title,
// the focused control, every control's id, class, text, visibility and place on the screen, and
// the hints on show.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "windows/wide.h"

namespace {

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string textOf(HWND w) {
    wchar_t text[4096] = {};
    GetWindowTextW(w, text, 4096);
    return tolm::windows::narrow(text);
}

BOOL CALLBACK control(HWND w, LPARAM out) {
    auto& json = *reinterpret_cast<std::string*>(out);
    wchar_t type[64] = {};
    GetClassNameW(w, type, 64);
    RECT r{};
    GetWindowRect(w, &r);
    json += std::string(json.back() == '[' ? "" : ", ") + "{\"id\": " + std::to_string(GetDlgCtrlID(w)) +
            ", \"class\": " + quoted(tolm::windows::narrow(type)) + ", \"text\": " + quoted(textOf(w)) +
            ", \"visible\": " + (IsWindowVisible(w) ? "true" : "false") + ", \"rect\": [" + std::to_string(r.left) +
            ", " + std::to_string(r.top) + ", " + std::to_string(r.right - r.left) + ", " +
            std::to_string(r.bottom - r.top) + "]}";
    return TRUE;
}

// The hints on show: the visible tooltip windows of the game's thread (whose words Windows keeps
// from other processes: their text reads empty).
BOOL CALLBACK hint(HWND w, LPARAM out) {
    auto& json = *reinterpret_cast<std::string*>(out);
    wchar_t type[64] = {};
    GetClassNameW(w, type, 64);
    if (IsWindowVisible(w) && std::wstring(type) == TOOLTIPS_CLASSW)
        json += std::string(json.back() == '[' ? "" : ", ") + quoted(textOf(w));
    return TRUE;
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const HWND window = FindWindowW(L"TolmWindow", nullptr);
        std::string json = "{\"found\": " + std::string(window ? "true" : "false");
        if (window) {
            GUITHREADINFO thread{};
            thread.cbSize = sizeof thread;
            GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
            RECT client{};
            GetClientRect(window, &client);
            POINT origin{0, 0};
            ClientToScreen(window, &origin);
            json += ", \"title\": " + quoted(textOf(window)) +
                    ", \"focus\": " + std::to_string(thread.hwndFocus ? GetDlgCtrlID(thread.hwndFocus) : 0) +
                    ", \"client\": [" + std::to_string(origin.x) + ", " + std::to_string(origin.y) + ", " +
                    std::to_string(client.right) + ", " + std::to_string(client.bottom) + "], \"controls\": [";
            EnumChildWindows(window, control, reinterpret_cast<LPARAM>(&json));
            json += "], \"hints\": [";
            EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), hint, reinterpret_cast<LPARAM>(&json));
            json += "]";
        }
        std::cout << json << "}" << std::endl;
    }
}
