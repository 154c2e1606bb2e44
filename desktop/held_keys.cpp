// Tells a held key's repeats from new presses, for the keys that choose.
#include "desktop/held_keys.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>

namespace tolm::desktop {
namespace {

bool chooses(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

void HeldKeys::choiceRan() {
    for (Held& h : held_) h.spent = true;
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event) {
    // Keys released while another window has the keyboard send their release there.
    if (event->type() == QEvent::WindowDeactivate) {
        held_.clear();
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!chooses(key->key())) return false;
    if (key->isAutoRepeat()) return true;
    const auto held = std::ranges::find(held_, key->key(), &Held::key);
    if (event->type() == QEvent::KeyPress) {
        if (held != held_.end()) return true;
        held_.push_back({key->key(), false});
        return false;
    }
    if (held == held_.end()) return false;
    const bool spent = held->spent;
    held_.erase(held);
    if (!spent) return false;
    // Space chooses on release: a button it pressed before the choice ran lets go unchosen.
    if (auto* button = qobject_cast<QAbstractButton*>(watched)) button->setDown(false);
    return true;
}

}  // namespace tolm::desktop
