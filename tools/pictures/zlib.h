// The zlib streams inside the PNG files: stored as they are, or deflated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tolm::pictures {

using Bytes = std::vector<std::uint8_t>;

// Stored blocks: no compression at all.
Bytes zlibStored(std::span<const std::uint8_t> data);

// One block in deflate's fixed codes, whose only matches repeat the pixel before
// (pixelBytes back) or the row above (rowBytes back, at most 32768): the repeats a drawing
// in flat colours is made of, found without any search.
Bytes zlibDeflated(std::span<const std::uint8_t> data, std::size_t pixelBytes, std::size_t rowBytes);

}  // namespace tolm::pictures
