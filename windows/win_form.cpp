// Property access on the controls, and the only place that knows about Win32's input.
#include "windows/win_form.h"

#include "content/message.h"
#include "engine/story.h"
#include "layout/access.h"
#include "windows/wide.h"

namespace tolm::windows {
using namespace layout;
using namespace runtime;
namespace {

// Bit 30 of a key message: the key was down before this message, so this press is a repeat.
bool repeated(const MSG& m) { return (m.lParam & (1L << 30)) != 0; }
// Bit 24: the keypad's Enter, where the main Return is not extended.
bool extended(const MSG& m) { return (m.lParam & (1L << 24)) != 0; }

}  // namespace

WinForm::WinForm(HINSTANCE instance, Reporter& reporter) : Form(reporter), window_(instance, *this) {}

void WinForm::start() {
    engine::raise(*this, engine::kFormLoad);
    window_.show(firstFocus(window_.shown()));
}

Status WinForm::setVisible(Control c, Truth value) {
    if (!supports(c, Operation::SetVisible)) return Status::Failed;
    window_.setShown(c, value != kFalse);
    return Status::Ok;
}

Status WinForm::getVisible(Control c, Truth& value) {
    if (!supports(c, Operation::GetVisible)) return Status::Failed;
    value = truth(window_.shown()[indexOf(c)]);
    return Status::Ok;
}

Status WinForm::setCaption(Control c, std::string_view text) {
    if (!supports(c, Operation::SetCaption)) return Status::Failed;
    window_.setCaption(c, text);
    // A new story, purse or description is read out without the player hunting for it; Form_Load
    // fills the window before its controls are there to be read.
    if (engine::captionChangesInPlay(c) && window_.handle(c))
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_.handle(c), OBJID_CLIENT, CHILDID_SELF);
    return Status::Ok;
}

Status WinForm::getCaption(Control c, std::string& text) {
    if (!supports(c, Operation::GetCaption)) return Status::Failed;
    text = window_.caption(c);
    return Status::Ok;
}

void WinForm::end(int exitStatus) {
    if (ended_) return;
    ended_ = true;
    window_.close(exitStatus);
}

void WinForm::clicked(Control c) {
    deliver(engine::click(c));
    presses_.choiceRan();
}

void WinForm::pointerMoved(std::optional<Control> over) {
    // Moves come many a second: only those the story has a handler for reach it.
    const engine::Trigger move = over ? engine::mouseMove(*over) : engine::kFormMouseMove;
    if (engine::handlerFor(move)) deliver(move);
}

void WinForm::deliver(engine::Trigger trigger) {
    if (ended_) return;
    // A press can come before the controls the first paint left out are there: a screen reader's
    // is sent, not queued behind the window's own message. The story finds every control built.
    window_.ensureBuilt();
    const std::optional<Control> focused = window_.focused();
    engine::raise(*this, trigger);
    // A choice often hides its own button, or covers one a screen reader's press left the focus
    // on; the focus then goes on to the next choice shown.
    const std::optional<Control> pressed = trigger.event == engine::Event::Click ? trigger.control : std::nullopt;
    if (!ended_) window_.focus(focusAfterEvent(focused, pressed, window_.shown()));
}

bool WinForm::key(const MSG& m) {
    if (ended_ || (m.hwnd != window_.handle() && !IsChild(window_.handle(), m.hwnd))) return false;
    const bool down = m.message == WM_KEYDOWN;
    switch (m.wParam) {
        case VK_SPACE: return choosingKey(m, ChoosingKey::Space);
        case VK_RETURN: return choosingKey(m, extended(m) ? ChoosingKey::Enter : ChoosingKey::Return);
        case VK_TAB:
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT: {
            if (!down) return true;
            const bool back =
                m.wParam == VK_UP || m.wParam == VK_LEFT || (m.wParam == VK_TAB && (GetKeyState(VK_SHIFT) & 0x8000));
            const std::optional<Control> from = window_.focused();
            window_.focus(from ? afterArrow(*from, back ? Arrow::Up : Arrow::Down, window_.shown())
                               : firstFocus(window_.shown()));
            return true;
        }
        // One switch a press: a held key does not flicker the window in and out of full screen.
        case VK_F11:
            if (down && !repeated(m)) window_.setFullScreen(!window_.fullScreen());
            return true;
        case VK_ESCAPE:
            if (!window_.fullScreen()) return false;
            if (down && !repeated(m)) window_.setFullScreen(false);
            return true;
        default: return false;
    }
}

// Windows would send Return to a dialog's default button; here it takes the focused choice, and
// every key that chooses passes the game's one-press rule first.
bool WinForm::choosingKey(const MSG& m, ChoosingKey key) {
    const std::optional<Control> focused = window_.focused();
    if (m.message == WM_KEYDOWN) {
        if (!presses_.press(key, repeated(m))) return true;
        if (key == ChoosingKey::Space) return false;  // the button chooses on the release
        if (focused) clicked(*focused);
        return true;
    }
    if (presses_.release(key, false)) return key != ChoosingKey::Space;
    // Space chooses on release: a button it pressed before the choice ran lets go unchosen.
    if (key == ChoosingKey::Space && focused) SendMessageW(window_.handle(*focused), BM_SETSTATE, FALSE, 0);
    return true;
}

void MessageBoxReporter::report(const RuntimeError& error) {
    MessageBoxW(*owner_, wide(content::runtimeErrorMessage(error.number)).c_str(), L"Tolm", MB_OK | MB_ICONERROR);
}

}  // namespace tolm::windows
