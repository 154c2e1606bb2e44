// Writes zlib streams (RFC 1950) of deflate data (RFC 1951), just enough for the icons.
#include "tools/pictures/zlib.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tolm::pictures {
namespace {

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;
constexpr unsigned kEndOfBlock = 256;

// Where each length and distance code starts, and how many extra bits follow it.
constexpr std::array<unsigned, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<unsigned, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<unsigned, 30> kDistanceBase{1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                                 33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                                 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<unsigned, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2, 3,  3,  4,  4,  5,  5,  6,
                                                  6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void putBigEndian32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t adler32(std::span<const std::uint8_t> data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// Deflate fills each byte from its lowest bit; Huffman codes go in from their highest bit.
class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}

    void value(unsigned v, unsigned count) {
        for (unsigned i = 0; i < count; ++i) bit(v >> i & 1);
    }
    void code(unsigned c, unsigned length) {
        for (unsigned i = length; i-- > 0;) bit(c >> i & 1);
    }
    // A literal byte, the end of the block or a length, in the fixed literal/length code.
    void symbol(unsigned s) {
        if (s < 144) code(0x30 + s, 8);
        else if (s < 256) code(0x190 + s - 144, 9);
        else if (s < 280) code(s - 256, 7);
        else code(0xC0 + s - 280, 8);
    }
    void match(std::size_t length, std::size_t distance) {
        const auto l = static_cast<unsigned>(length);
        const auto d = static_cast<unsigned>(distance);
        const std::size_t li = static_cast<std::size_t>(std::upper_bound(kLengthBase.begin(), kLengthBase.end(), l) - kLengthBase.begin()) - 1;
        symbol(257 + static_cast<unsigned>(li));
        value(l - kLengthBase[li], kLengthExtra[li]);
        const std::size_t di = static_cast<std::size_t>(std::upper_bound(kDistanceBase.begin(), kDistanceBase.end(), d) - kDistanceBase.begin()) - 1;
        code(static_cast<unsigned>(di), 5);
        value(d - kDistanceBase[di], kDistanceExtra[di]);
    }
    void flush() {
        if (used_ > 0) out_.push_back(pending_);
        pending_ = 0;
        used_ = 0;
    }

private:
    void bit(unsigned b) {
        pending_ = static_cast<std::uint8_t>(pending_ | b << used_);
        if (++used_ == 8) flush();
    }

    Bytes& out_;
    std::uint8_t pending_ = 0;
    unsigned used_ = 0;
};

}  // namespace

Bytes zlibStored(std::span<const std::uint8_t> data) {
    constexpr std::size_t kMaxBlock = 65535;
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(kMaxBlock, data.size() - at);
        out.push_back(at + n == data.size() ? 1 : 0);  // last-block flag, block type 0
        for (const std::size_t v : {n, ~n & 0xFFFF}) {  // the length and its complement, low byte first
            out.push_back(static_cast<std::uint8_t>(v));
            out.push_back(static_cast<std::uint8_t>(v >> 8));
        }
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < data.size());
    putBigEndian32(out, adler32(data));
    return out;
}

Bytes zlibDeflated(std::span<const std::uint8_t> data, std::size_t pixelBytes, std::size_t rowBytes) {
    if (pixelBytes == 0 || rowBytes > kWindow) throw std::invalid_argument("matches beyond deflate's window");
    Bytes out{0x78, 0x01};
    BitWriter bits(out);
    bits.value(1, 1);  // the last block
    bits.value(1, 2);  // in the fixed codes
    std::size_t at = 0;
    while (at < data.size()) {
        std::size_t best = 0;
        std::size_t bestDistance = 0;
        for (const std::size_t distance : {pixelBytes, rowBytes}) {
            if (distance == 0 || distance > at) continue;
            std::size_t length = 0;
            while (length < kMaxMatch && at + length < data.size() && data[at + length] == data[at + length - distance]) {
                ++length;
            }
            if (length > best) {
                best = length;
                bestDistance = distance;
            }
        }
        if (best >= kMinMatch) {
            bits.match(best, bestDistance);
            at += best;
        } else {
            bits.symbol(data[at++]);
        }
    }
    bits.symbol(kEndOfBlock);
    bits.flush();
    putBigEndian32(out, adler32(data));
    return out;
}

}  // namespace tolm::pictures
