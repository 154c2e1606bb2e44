// The story: every handler of the window, and how an event runs one.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "engine/step.h"
#include "runtime/form.h"

namespace tolm::engine {

// Start-up, the end button, every choice and the card descriptions, in one table.
std::span<const Handler> handlers();

// The handler an event raises, or none (Jiříkov, Rumburk, a label without one).
const Handler* handlerFor(Trigger trigger);

// The description that pointing at the control shows, if its move handler shows one: what a
// card tells the eye, its accessible description tells a screen reader.
std::optional<content::Text> descriptionShownBy(Control c);

// Whether the story rewrites the control's caption while it plays (the story, the purse, the
// description): such a label is read out again when it changes.
bool captionChangesInPlay(Control c);

// "Dál_Click", "Card1_MouseMove", "Form_Load".
std::string handlerName(Trigger trigger);

enum class Outcome : std::uint8_t { Done, Ended, Failed };

// Performs the handler's steps one by one through the form; the first failure stops it.
Outcome run(const Handler& handler, runtime::Form& form);

// Delivers an event: runs its handler, if there is one and the program still runs.
void raise(runtime::Form& form, Trigger trigger);

}  // namespace tolm::engine
