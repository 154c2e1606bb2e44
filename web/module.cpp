// The WebAssembly module's entry points: the page starts the game, passes on its events here,
// and asks where the focus goes.
#include <emscripten/emscripten.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "content/language.h"
#include "content/message.h"
#include "engine/story.h"
#include "layout/focus.h"
#include "layout/key_presses.h"
#include "memory/memory_form.h"
#include "runtime/json.h"
#include "web/window_description.h"

namespace tolm::web {
namespace {

constexpr int kNone = -1;

// The page script hands its own functions to the module as Module.page.
EM_JS(void, tolm_page_show, (int control, int visible), { Module.page.show(control, Boolean(visible)); });
EM_JS(void, tolm_page_caption, (int control, const char* text, int length),
      { Module.page.caption(control, UTF8ToString(text, length)); });
EM_JS(void, tolm_page_end, (int status), { Module.page.end(status); });
EM_JS(void, tolm_page_error, (const char* message), { Module.page.error(UTF8ToString(message)); });

// Every change of the story's window goes to the page as it is made.
class ScriptPage : public memory::Listener {
public:
    void shown(Control c, bool visible) override { tolm_page_show(static_cast<int>(indexOf(c)), visible ? 1 : 0); }
    void captioned(Control c, std::string_view text) override {
        tolm_page_caption(static_cast<int>(indexOf(c)), text.data(), static_cast<int>(text.size()));
    }
    void ended(int exitStatus) override { tolm_page_end(exitStatus); }
};

class DialogReporter : public runtime::Reporter {
public:
    void report(const runtime::RuntimeError& error) override {
        tolm_page_error(content::runtimeErrorMessage(error.number).c_str());
    }
};

ScriptPage page;
DialogReporter reporter;
std::unique_ptr<memory::MemoryForm> form;
layout::KeyPresses keyPresses;

std::optional<layout::ChoosingKey> choosingKey(int key) {
    if (key < 0 || key > static_cast<int>(layout::ChoosingKey::Enter)) return std::nullopt;
    return static_cast<layout::ChoosingKey>(key);
}

std::optional<Control> controlOf(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= kControlCount) return std::nullopt;
    return controlAt(static_cast<std::size_t>(i));
}

// A control the player can reach: one that is shown.
std::optional<Control> shownControl(int i) {
    const auto c = controlOf(i);
    return c && form && form->visible(*c) ? c : std::nullopt;
}

int indexOr(std::optional<Control> c) { return c ? static_cast<int>(indexOf(*c)) : kNone; }

}  // namespace
}  // namespace tolm::web

using namespace tolm;
using namespace tolm::web;

extern "C" {

// The layout for the page to build its controls from, as JSON, in the game's language.
EMSCRIPTEN_KEEPALIVE const char* tolm_window() {
    static std::vector<std::string> descriptions(content::languageCount());
    std::string& description = descriptions[static_cast<std::size_t>(content::language())];
    if (description.empty()) description = windowDescription();
    return description.c_str();
}

// The game speaks the language at that place of the description's "languages" from now on; a game
// under way keeps its state, and every label it shows is captioned again in the new language.
// Gives 0 for a place the list does not have.
EMSCRIPTEN_KEEPALIVE int tolm_language(int language) {
    if (language < 0 || static_cast<std::size_t>(language) >= content::languageCount()) return 0;
    content::useLanguage(content::languageAt(static_cast<std::size_t>(language)));
    if (form) form->retellCaptions();
    return 1;
}

// A new game on controls the page has just built in their state at start.
EMSCRIPTEN_KEEPALIVE void tolm_start() {
    form = std::make_unique<memory::MemoryForm>(reporter, &page);
    engine::raise(*form, engine::kFormLoad);
}

// A click on a control; the page sends only what the player can reach.
EMSCRIPTEN_KEEPALIVE void tolm_click(int control) {
    if (const auto c = shownControl(control)) engine::raise(*form, engine::click(*c));
    keyPresses.choiceRan();
}

// A key that chooses (numbered as in the description's "choosingKeys") went down, repeat marking
// the browser's own repeats: 1 when the page may let it press, 0 when it must hold it back.
EMSCRIPTEN_KEEPALIVE int tolm_key_press(int key, int repeat) {
    const auto k = choosingKey(key);
    return k && keyPresses.press(*k, repeat != 0) ? 1 : 0;
}

// Such a key came up: 1 when its release may act, 0 when the page must hold it back.
EMSCRIPTEN_KEEPALIVE int tolm_key_release(int key) {
    const auto k = choosingKey(key);
    return k && keyPresses.release(*k, false) ? 1 : 0;
}

// The page lost the keyboard, and with it the releases of the keys down now.
EMSCRIPTEN_KEEPALIVE void tolm_keys_forget() { keyPresses.forget(); }

// The pointer moved over a control, or (-1) over the bare window.
EMSCRIPTEN_KEEPALIVE void tolm_pointer(int control) {
    if (!form) return;
    if (control == kNone) {
        engine::raise(*form, engine::kFormMouseMove);
    } else if (const auto c = shownControl(control)) {
        engine::raise(*form, engine::mouseMove(*c));
    }
}

// A finger touched a control, or (-1) the page elsewhere. A finger does not hover: a touch on a card
// describes it, as the pointer over it would, and a touch anywhere else is the pointer over the
// bare window, which puts the description away.
EMSCRIPTEN_KEEPALIVE void tolm_touch(int control) {
    if (!form) return;
    const auto c = shownControl(control);
    engine::raise(*form,
                  c && engine::handlerFor(engine::mouseMove(*c)) ? engine::mouseMove(*c) : engine::kFormMouseMove);
}

// Where the focus goes when a game starts.
EMSCRIPTEN_KEEPALIVE int tolm_first_focus() { return form ? indexOr(layout::firstFocus(form->visibility())) : kNone; }

// Where the focus goes after an event, given what had it before and the button the event pressed
// (-1: nothing, or no choice); -1 leaves it.
EMSCRIPTEN_KEEPALIVE int tolm_focus_after(int focused, int pressed) {
    if (!form || form->ended()) return kNone;
    return indexOr(layout::focusAfterEvent(controlOf(focused), controlOf(pressed), form->visibility()));
}

// Where an arrow key (in the order of the description's "arrows") moves the focus from a button.
EMSCRIPTEN_KEEPALIVE int tolm_arrow(int from, int arrow) {
    const auto c = shownControl(from);
    if (!c || arrow < 0 || arrow > static_cast<int>(layout::Arrow::Right)) return kNone;
    return indexOr(layout::afterArrow(*c, static_cast<layout::Arrow>(arrow), form->visibility()));
}

// The form's own state, for the page's tests to hold the page against, as JSON: which controls
// are shown (in window order), the purse, whether the game has ended, and the texts the story
// writes (the story, the purse's label and the card's description); null before a game.
EMSCRIPTEN_KEEPALIVE const char* tolm_state() {
    static std::string state;
    if (!form) return "null";
    Json j;
    j.beginObject();
    j.key("shown");
    j.beginArray();
    for (std::size_t i = 0; i < kControlCount; ++i) j.boolean(form->visible(controlAt(i)));
    j.endArray();
    j.field("purse", form->purse());
    j.field("ended", form->ended());
    j.field("story", form->captionText(Control::P));
    j.field("money", form->captionText(Control::penize));
    j.field("description", form->captionText(Control::Popis));
    j.endObject();
    state = j.take();
    return state.c_str();
}

// A test hook, kept in the shipped module because the page's tests run on the shipped site: the
// next operation the story asks of the window fails, as a broken window would, so the tests see
// the runtime error's dialog and the end screen after it. A player cannot reach it; a script that
// calls it only ends its own game.
EMSCRIPTEN_KEEPALIVE void tolm_fail_next_operation() {
    if (form) form->failOperationAfter(1);
}

}  // extern "C"
