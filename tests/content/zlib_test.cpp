// The picture tool's zlib writer, read back by zlib itself (through Qt): what it packs comes
// back byte for byte, across the lengths and distances where deflate's codes change.
#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "tools/pictures/zlib.h"

namespace tolm::pictures {
namespace {

// qUncompress wants the unpacked size, big-endian, in front of the zlib stream.
std::vector<std::uint8_t> unpack(const Bytes& packed, std::size_t size) {
    QByteArray data;
    for (int shift = 24; shift >= 0; shift -= 8) data.append(static_cast<char>(size >> shift & 0xFF));
    data.append(reinterpret_cast<const char*>(packed.data()), static_cast<qsizetype>(packed.size()));
    const QByteArray out = qUncompress(data);
    return {out.begin(), out.end()};
}

struct Case {
    const char* what;
    Bytes data;
    std::size_t pixelBytes;
    std::size_t rowBytes;
};

Bytes run(std::size_t n, std::uint8_t value) { return Bytes(n, value); }

// Rows that repeat the row above except for a few bytes, as a drawing's rows do.
Bytes rows(std::size_t rowBytes, std::size_t count) {
    Bytes out;
    for (std::size_t r = 0; r < count; ++r) {
        for (std::size_t i = 0; i < rowBytes; ++i) out.push_back(static_cast<std::uint8_t>(i * 7 + (i == r ? 1 : 0)));
    }
    return out;
}

// Every byte value, twice over, with no repeat to find.
Bytes allValues() {
    Bytes out;
    for (int k = 0; k < 512; ++k) out.push_back(static_cast<std::uint8_t>(k * 37 + k / 256));
    return out;
}

TEST(Zlib, WhatIsPackedUnpacksToTheSameBytes) {
    const Case cases[] = {
        {"one byte", run(1, 9), 4, 16},
        {"a run just too short to repeat", {1, 2, 3, 4, 1, 2}, 4, 16},
        {"the shortest repeat", {1, 2, 3, 4, 1, 2, 3}, 4, 16},
        {"the longest single match and one more", run(4 + 258 + 1, 5), 4, 1025},
        {"a long run of one pixel", run(4 * 5000, 0xAB), 4, 1025},
        {"rows of a 256-pixel image", rows(1025, 40), 4, 1025},
        {"repeats at the farthest distance", rows(32768, 3), 4, 32768},
        {"every byte value", allValues(), 4, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes packed = zlibDeflated(c.data, c.pixelBytes, c.rowBytes);
        EXPECT_EQ(unpack(packed, c.data.size()), c.data);
        EXPECT_EQ(unpack(zlibStored(c.data), c.data.size()), c.data);
    }
}

TEST(Zlib, RepeatsPackSmall) {
    const Bytes data = run(4 * 256 * 256, 0x40);
    EXPECT_LT(zlibDeflated(data, 4, 1025).size(), data.size() / 100);
}

}  // namespace
}  // namespace tolm::pictures
