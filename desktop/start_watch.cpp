// What keeps a start in little memory from hanging, crashing without a word or running with no
// window: each ends the game with one line in its language and status 1.
#include "desktop/start_watch.h"

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <exception>
#include <new>
#include <string>
#include <system_error>
#include <thread>

#include "content/message.h"

namespace tolm::desktop {
namespace {

using content::Message;

// Should building the window still hang inside the toolkit (a thread of its own that could not
// start after all), the game ends after this long with one line instead of running unseen. The
// window is built in well under a second; the watch ends when the event loop first runs.
constexpr unsigned kSecondsToBuildTheWindow = 30;
std::string windowNeverCame;
// In a limited address space the libraries under the toolkit may crash where memory runs out
// (fontconfig does not check for it), which is then said as what it most likely is.
std::string doesNotFit;

void onWindowNeverCame(int) {
    // Only what is safe in a signal handler: the line was written beforehand.
    [[maybe_unused]] const auto written = write(STDERR_FILENO, windowNeverCame.data(), windowNeverCame.size());
    _exit(1);
}

void onCrashInLittleMemory(int) {
    [[maybe_unused]] const auto written = write(STDERR_FILENO, doesNotFit.data(), doesNotFit.size());
    _exit(1);
}

}  // namespace

std::optional<rlim_t> addressSpaceLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
    return limit.rlim_cur;
}

bool roomForThreads() {
    if (!addressSpaceLimit()) return true;
    std::thread first;
    std::thread second;
    try {
        first = std::thread([] {});
        second = std::thread([] {});
    } catch (const std::system_error&) {
    }
    const bool started = first.joinable() && second.joinable();
    for (std::thread* t : {&first, &second})
        if (t->joinable()) t->join();
    return started;
}

void watchForMemoryRunningOut() {
    if (const auto limit = addressSpaceLimit()) {
        doesNotFit = content::message(Message::DoesNotFit, {{"mib", std::to_string(*limit >> 20)}}) + "\n";
        // Where the stack itself could not grow, the handler runs on a stack of its own.
        static char handlerStack[64 * 1024];
        stack_t stack{};
        stack.ss_sp = handlerStack;
        stack.ss_size = sizeof handlerStack;
        sigaltstack(&stack, nullptr);
        struct sigaction crash {};
        crash.sa_handler = onCrashInLittleMemory;
        crash.sa_flags = SA_ONSTACK;
        sigaction(SIGSEGV, &crash, nullptr);
        sigaction(SIGBUS, &crash, nullptr);
        // Memory that runs out inside the toolkit ends the program through std::terminate, at any time.
        std::set_terminate([] {
            try {
                if (std::current_exception()) std::rethrow_exception(std::current_exception());
            } catch (const std::bad_alloc&) {
                onCrashInLittleMemory(0);
            } catch (...) {
            }
            std::abort();
        });
    }
}

void watchTheWindowBeingBuilt() {
    const std::string seconds = std::to_string(kSecondsToBuildTheWindow);
    const auto limit = addressSpaceLimit();
    windowNeverCame = (limit ? content::message(Message::WindowNeverCameInLittleMemory,
                                                {{"seconds", seconds}, {"mib", std::to_string(*limit >> 20)}})
                             : content::message(Message::WindowNeverCame, {{"seconds", seconds}})) +
                      "\n";
    std::signal(SIGALRM, onWindowNeverCame);
    alarm(kSecondsToBuildTheWindow);
    QTimer::singleShot(0, qApp, [] { alarm(0); });
}

}  // namespace tolm::desktop
