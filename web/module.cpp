// The WebAssembly module's entry points: the page starts the game and passes on its events here.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "engine/story.h"
#include "web/web_form.h"
#include "web/window_description.h"

namespace tolm::web {
namespace {

// The page script hands its own functions to the module as Module.page.
EM_JS(void, tolm_page_show, (int control, int visible), { Module.page.show(control, visible !== 0); });
EM_JS(void, tolm_page_caption, (int control, const char* text, int length),
      { Module.page.caption(control, UTF8ToString(text, length)); });
EM_JS(void, tolm_page_end, (int status), { Module.page.end(status); });
EM_JS(void, tolm_page_error, (const char* message), { Module.page.error(UTF8ToString(message)); });

class ScriptPage : public Page {
public:
    void show(Control c, bool visible) override { tolm_page_show(static_cast<int>(indexOf(c)), visible ? 1 : 0); }
    void caption(Control c, std::string_view text) override {
        tolm_page_caption(static_cast<int>(indexOf(c)), text.data(), static_cast<int>(text.size()));
    }
    void end(int exitStatus) override { tolm_page_end(exitStatus); }
};

class DialogReporter : public runtime::Reporter {
public:
    void report(const runtime::RuntimeError& error) override { tolm_page_error(runtime::playerMessage(error).c_str()); }
};

ScriptPage page;
DialogReporter reporter;
std::unique_ptr<WebForm> form;

bool isControl(int i) { return i >= 0 && static_cast<std::size_t>(i) < kControlCount; }

}  // namespace
}  // namespace tolm::web

using namespace tolm;
using namespace tolm::web;

extern "C" {

// The layout for the page to build its controls from, as JSON.
EMSCRIPTEN_KEEPALIVE const char* tolm_window() {
    static const std::string description = windowDescription();
    return description.c_str();
}

// A new game on controls the page has just built in their state at start.
EMSCRIPTEN_KEEPALIVE void tolm_start() {
    form = std::make_unique<WebForm>(reporter, page);
    engine::raise(*form, engine::kFormLoad);
}

// A click on a control; the page sends only what the player can reach.
EMSCRIPTEN_KEEPALIVE void tolm_click(int control) {
    if (form && isControl(control) && form->visible(controlAt(static_cast<std::size_t>(control))))
        engine::raise(*form, engine::click(controlAt(static_cast<std::size_t>(control))));
}

// The pointer moved over a control, or (-1) over the bare window.
EMSCRIPTEN_KEEPALIVE void tolm_pointer(int control) {
    if (!form) return;
    if (control < 0) {
        engine::raise(*form, engine::kFormMouseMove);
    } else if (isControl(control) && form->visible(controlAt(static_cast<std::size_t>(control)))) {
        engine::raise(*form, engine::mouseMove(controlAt(static_cast<std::size_t>(control))));
    }
}

// The form's own state, for the page's tests to hold the page against: one '0' or '1' per
// control in window order, then the purse, then each label's caption, separated by newlines.
EMSCRIPTEN_KEEPALIVE const char* tolm_state() {
    static std::string state;
    state.clear();
    if (!form) return "";
    for (std::size_t i = 0; i < kControlCount; ++i) state += form->visible(controlAt(i)) ? '1' : '0';
    state += '\n';
    state += std::to_string(form->purse());
    state += form->ended() ? "\nended" : "\nplaying";
    for (Control c : {Control::P, Control::penize, Control::Popis}) {
        state += '\n';
        state += form->caption(c);
    }
    return state.c_str();
}

EMSCRIPTEN_KEEPALIVE void tolm_fail_next_operation() {
    if (form) form->failNextOperation();
}

}  // extern "C"
