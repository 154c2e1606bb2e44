// What keeps a start in little memory from hanging, crashing without a word or running with no
// window: each such start ends with one line in the game's language and status 1.
#pragma once

#include <sys/resource.h>

#include <optional>

namespace tolm::desktop {

// The address space the process may use, in bytes, where it is limited.
std::optional<rlim_t> addressSpaceLimit();

// The toolkit starts threads of its own after it has started (the one that reaches the session
// bus, for screen readers), and waits for ever on one that cannot start. In a limited address
// space this checks that two more threads would fit; elsewhere it is always so.
bool roomForThreads();

// From the start of the toolkit to the end of the game, in a limited address space only: a crash
// or a std::bad_alloc where memory runs out ends the game with one line.
void watchForMemoryRunningOut();

// Until the event loop first runs, with the application built: a window not built in time ends
// the game with one line rather than leave it running unseen.
void watchTheWindowBeingBuilt();

}  // namespace tolm::desktop
