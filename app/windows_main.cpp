// Tolm.exe: chooses its language, answers --help and --version, or opens the window and plays
// until the player ends the game.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/windows_console.h"
#include "windows/program.h"
#include "windows/wide.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::vector<std::string> arguments;
    for (int i = 0; i < __argc; ++i) arguments.push_back(tolm::windows::narrow(__wargv[i]));
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(arguments.size());
    if (const auto reply = tolm::app::readOptions(argc, argv.data(), tolm::app::windowsLanguage()))
        return tolm::app::answer(*reply);
    return tolm::windows::runProgram(instance);
}
