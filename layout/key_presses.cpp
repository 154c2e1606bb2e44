// Tells a held key's repeats from new presses, for the keys that choose.
#include "layout/key_presses.h"

#include <algorithm>

namespace tolm::layout {
namespace {

auto heldOf(auto& held, ChoosingKey key) {
    return std::find_if(held.begin(), held.end(), [key](const auto& h) { return h.key == key; });
}

}  // namespace

bool KeyPresses::press(ChoosingKey key, bool repeat) {
    if (repeat || heldOf(held_, key) != held_.end()) return false;
    held_.push_back({key, false});
    return true;
}

bool KeyPresses::release(ChoosingKey key, bool repeat) {
    if (repeat) return false;
    const auto held = heldOf(held_, key);
    if (held == held_.end()) return true;
    const bool spent = held->spent;
    held_.erase(held);
    return !spent;
}

void KeyPresses::choiceRan() {
    for (Held& h : held_) h.spent = true;
}

void KeyPresses::forget() { held_.clear(); }

}  // namespace tolm::layout
