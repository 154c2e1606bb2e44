// The toolkit's key events, passed through the game's rule for the keys that choose.
#include "desktop/held_keys.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <optional>

namespace tolm::desktop {
namespace {

std::optional<layout::ChoosingKey> choosingKey(int key) {
    switch (key) {
        case Qt::Key_Space: return layout::ChoosingKey::Space;
        case Qt::Key_Return: return layout::ChoosingKey::Return;
        case Qt::Key_Enter: return layout::ChoosingKey::Enter;
        default: return std::nullopt;
    }
}

}  // namespace

bool HeldKeys::eventFilter(QObject* watched, QEvent* event) {
    // Keys released while another window has the keyboard send their release there.
    if (event->type() == QEvent::WindowDeactivate) {
        presses_.forget();
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* keyEvent = static_cast<const QKeyEvent*>(event);
    const auto key = choosingKey(keyEvent->key());
    if (!key) return false;
    if (event->type() == QEvent::KeyPress) return !presses_.press(*key, keyEvent->isAutoRepeat());
    if (presses_.release(*key, keyEvent->isAutoRepeat())) return false;
    // Space chooses on release: a button it pressed before the choice ran lets go unchosen.
    if (auto* button = qobject_cast<QAbstractButton*>(watched); button && !keyEvent->isAutoRepeat())
        button->setDown(false);
    return true;
}

}  // namespace tolm::desktop
