// One physical press of a key that chooses takes at most one choice, however busy the game.
#pragma once

#include <vector>

namespace tolm::layout {

// The keys that take the focused choice; each front-end names its own keys by these.
enum class ChoosingKey { Space, Return, Enter };

// Tells a held key's repeats from new presses. A press counts only when its key has really been
// released since its last press, so neither the toolkit's repeats nor a window server's repeats
// that come as bare presses reach a button. A key that is down when a choice runs does nothing
// more, its release included, until it has been released: Space, which chooses on its release,
// lets go of the button it pressed before the choice ran without choosing it.
class KeyPresses {
public:
    // A press (repeat: one the toolkit marks as a repeat): whether the button may take it.
    bool press(ChoosingKey key, bool repeat);
    // A release: whether the button may act on it.
    bool release(ChoosingKey key, bool repeat);
    // A choice ran: every key down now is spent.
    void choiceRan();
    // The keyboard went elsewhere, where the releases of the keys down now will go.
    void forget();

private:
    struct Held {
        ChoosingKey key;
        bool spent;
    };
    std::vector<Held> held_;
};

}  // namespace tolm::layout
