// Where the player meets a text: what a translator needs to know to make it fit.
#pragma once

#include <string>

#include "content/text.h"

namespace tolm::po {

// "Story text, in the story box P when Dál is chosen. Czech: 175 characters; …" and the like.
std::string whereShown(content::Text key);

}  // namespace tolm::po
