// A program built for the window subsystem has no console of its own: it borrows its parent's.
#include "app/windows_console.h"

#include <windows.h>

#include "content/message.h"
#include "windows/wide.h"

namespace tolm::app {
namespace {

// A handle that leads somewhere: a file, a pipe or a console.
bool usable(HANDLE h) { return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN; }

bool write(HANDLE h, const std::string& text) {
    DWORD mode = 0;
    if (GetConsoleMode(h, &mode)) {
        const std::wstring wide = windows::wide(text);
        DWORD written = 0;
        return WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
               written == wide.size();
    }
    DWORD written = 0;
    return WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

}  // namespace

content::Language windowsLanguage() {
    wchar_t code[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID ui = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (GetLocaleInfoW(ui, LOCALE_SISO639LANGNAME, code, LOCALE_NAME_MAX_LENGTH) > 0)
        if (const auto language = content::languageNamed(windows::narrow(code))) return *language;
    return content::kCzech;
}

int answer(const Reply& reply) {
    const DWORD which = reply.error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE out = GetStdHandle(which);
    if (!usable(out) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    if (usable(out)) {
        // A full disk or a closed pipe must not pass for an answer given.
        if (!write(out, reply.text) && !reply.error) return 1;
        return reply.status;
    }
    MessageBoxW(nullptr, windows::wide(reply.text).c_str(), L"Tolm",
                MB_OK | (reply.error ? MB_ICONERROR : MB_ICONINFORMATION));
    return reply.status;
}

}  // namespace tolm::app
