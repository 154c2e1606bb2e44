// What the game asks of an X server beyond what the toolkit does: held keys told apart from new
// presses by the server itself, and an end when the window is destroyed from outside.
#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace tolm::desktop {

// On X, asks the server to send a held key's repeats as presses alone, without the made-up
// release before each: a slow game then never takes a repeat for a new press. Elsewhere (and on
// a server that refuses) repeats keep their usual form, which HeldKeys reads as well.
void askForDetectableKeyRepeat();

// Closes the window, as its close button does, when the X server has destroyed it from outside
// (another program closing it by force): the game then ends instead of playing on unseen.
class WindowDestroyedWatch : public QAbstractNativeEventFilter {
public:
    explicit WindowDestroyedWatch(QWidget& window) : window_(window) {}
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& window_;
};

}  // namespace tolm::desktop
