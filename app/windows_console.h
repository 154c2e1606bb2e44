// Where Tolm.exe answers its command line, and which language Windows asks for.
#pragma once

#include "app/options.h"
#include "content/language.h"

namespace tolm::app {

// The language of the Windows user interface, where the game speaks it; Czech otherwise.
content::Language windowsLanguage();

// Gives the reply where it is read: to an output the caller redirected, else to the console the
// program was started from, else in a message box. Returns the exit status.
int answer(const Reply& reply);

}  // namespace tolm::app
