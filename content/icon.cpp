// The program icon, drawn by tools/pictures during the build and held here.
#include "content/icon.h"

#include "content/embed.h"

namespace tolm::content {

TOLM_EMBED(icon, "tolm.ico");

std::span<const std::uint8_t> programIconFile() { return TOLM_EMBEDDED(icon); }

}  // namespace tolm::content
