// Writers for the formats of formats.h; every multi-byte field is little-endian except in PNG.
#include "tools/pictures/formats.h"

#include <stdexcept>
#include <string_view>

#include <zlib.h>

namespace tolm::pictures {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kFileHeaderSize = 14;
// A BMP states its resolution; these are the pixels per metre of a common 96-dpi screen.
constexpr std::int32_t kPixelsPerMetreX = 3790;
constexpr std::int32_t kPixelsPerMetreY = 3800;

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void put32BigEndian(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// Rows of device-independent bitmaps are padded to whole 32-bit words.
std::uint32_t rowBytes(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void putInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize,
                   std::int32_t pixelsPerMetreX, std::int32_t pixelsPerMetreY) {
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);  // planes
    put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    put32(out, 0);  // BI_RGB: not compressed
    put32(out, imageSize);
    put32(out, static_cast<std::uint32_t>(pixelsPerMetreX));
    put32(out, static_cast<std::uint32_t>(pixelsPerMetreY));
    put32(out, 0);  // colours used: all that the bit depth allows
    put32(out, 0);  // colours important: all
}

void putColour(Bytes& out, Rgb c) {
    out.push_back(c.blue);
    out.push_back(c.green);
    out.push_back(c.red);
    out.push_back(0);
}

void putPalette(Bytes& out) {
    for (const Rgb& c : kPalette) putColour(out, c);
}

// Bottom-up rows of packed pixels, the leftmost in the highest bits of its byte.
void putBits(Bytes& out, int width, int height, int bitsPerPixel, auto&& valueAt) {
    const std::uint32_t stride = rowBytes(width, bitsPerPixel);
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(valueAt(x, y) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void requireOpaque(const Canvas& c) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (!c.opaque(x, y)) throw std::invalid_argument("a picture has a clear pixel");
        }
    }
}

void putDirectoryHeader(Bytes& out, std::size_t count) {
    put16(out, 0);  // reserved
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<std::uint32_t>(count));
}

// The part of a directory entry that the .ico file and the icon group share.
void putDirectoryEntry(Bytes& out, const IconImage& image) {
    out.push_back(static_cast<std::uint8_t>(image.size));
    out.push_back(static_cast<std::uint8_t>(image.size));
    out.push_back(static_cast<std::uint8_t>(1 << image.bitsPerPixel));  // colours
    out.push_back(0);
    put16(out, 1);  // planes
    put16(out, static_cast<std::uint32_t>(image.bitsPerPixel));
    put32(out, static_cast<std::uint32_t>(image.bytes.size()));
}

Bytes zlibDeflated(std::span<const std::uint8_t> data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not deflate a picture");
    out.resize(size);
    return out;
}

void putChunk(Bytes& out, std::string_view type, std::span<const std::uint8_t> data) {
    put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type.begin(), type.end());
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    put32BigEndian(out, static_cast<std::uint32_t>(::crc32(0L, typed.data(), static_cast<uInt>(typed.size()))));
}

void putPngHeader(Bytes& out, const Canvas& image, std::uint8_t bitDepth, std::uint8_t colourType) {
    Bytes header;
    put32BigEndian(header, static_cast<std::uint32_t>(image.width()));
    put32BigEndian(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(), {bitDepth, colourType, 0, 0, 0});  // deflate, no filter, no interlace
    out.insert(out.end(), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    putChunk(out, "IHDR", header);
}

}  // namespace

Bytes bmpFile(const Canvas& picture) {
    requireOpaque(picture);
    constexpr std::uint32_t kBitsOffset = kFileHeaderSize + kInfoHeaderSize + 4 * kColourCount;
    const std::uint32_t imageSize = rowBytes(picture.width(), 4) * static_cast<std::uint32_t>(picture.height());
    Bytes out;
    out.reserve(kBitsOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, kBitsOffset + imageSize);
    put16(out, 0);
    put16(out, 0);
    put32(out, kBitsOffset);
    putInfoHeader(out, picture.width(), picture.height(), 4, imageSize, kPixelsPerMetreX, kPixelsPerMetreY);
    putPalette(out);
    putBits(out, picture.width(), picture.height(), 4,
            [&](int x, int y) { return static_cast<int>(picture.at(x, y)); });
    return out;
}

IconImage iconImage(const Canvas& image, int bitsPerPixel) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4) throw std::invalid_argument("icons are drawn at 1 or 4 bits");
    const int size = image.width();
    const auto colourAt = [&](int x, int y) {
        if (!image.opaque(x, y)) return 0;  // clear pixels are black under the mask
        const Colour c = image.at(x, y);
        if (bitsPerPixel == 4) return static_cast<int>(c);
        if (c != Colour::Black && c != Colour::White) throw std::invalid_argument("a 1-bit icon in colour");
        return c == Colour::White ? 1 : 0;
    };
    const std::uint32_t colourBytes = rowBytes(size, bitsPerPixel) * static_cast<std::uint32_t>(size);
    const std::uint32_t maskBytes = rowBytes(size, 1) * static_cast<std::uint32_t>(size);
    Bytes out;
    putInfoHeader(out, size, 2 * size, bitsPerPixel, colourBytes + maskBytes, 0, 0);
    if (bitsPerPixel == 4) {
        putPalette(out);
    } else {
        putColour(out, rgb(Colour::Black));
        putColour(out, rgb(Colour::White));
    }
    putBits(out, size, size, bitsPerPixel, colourAt);
    putBits(out, size, size, 1, [&](int x, int y) { return image.opaque(x, y) ? 0 : 1; });
    return {size, bitsPerPixel, std::move(out)};
}

Bytes iconFile(std::span<const IconImage> images) {
    constexpr std::uint32_t kHeaderSize = 6;
    constexpr std::uint32_t kEntrySize = 16;
    Bytes out;
    putDirectoryHeader(out, images.size());
    std::uint32_t offset = kHeaderSize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const IconImage& image : images) {
        putDirectoryEntry(out, image);
        put32(out, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const IconImage& image : images) out.insert(out.end(), image.bytes.begin(), image.bytes.end());
    return out;
}

Bytes iconGroup(std::span<const IconImage> images, std::span<const std::uint16_t> ids) {
    if (images.size() != ids.size()) throw std::invalid_argument("one resource id per icon image");
    Bytes out;
    putDirectoryHeader(out, images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        putDirectoryEntry(out, images[i]);
        put16(out, ids[i]);
    }
    return out;
}

Bytes pngFile(const Canvas& image) {
    Bytes raw;
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0);  // this row unfiltered
        for (int x = 0; x < image.width(); ++x) {
            const bool opaque = image.opaque(x, y);
            const Rgb c = opaque ? rgb(image.at(x, y)) : Rgb{0, 0, 0};
            raw.insert(raw.end(), {c.red, c.green, c.blue, static_cast<std::uint8_t>(opaque ? 255 : 0)});
        }
    }
    Bytes out;
    putPngHeader(out, image, 8, 6);  // RGBA
    putChunk(out, "IDAT", zlibDeflated(raw));
    putChunk(out, "IEND", {});
    return out;
}

Bytes indexedPngFile(const Canvas& picture) {
    requireOpaque(picture);
    Bytes palette;
    for (const Rgb& c : kPalette) palette.insert(palette.end(), {c.red, c.green, c.blue});
    // Top-down rows, each led by its filter byte (none), two pixels a byte, the left one high.
    const std::size_t stride = static_cast<std::size_t>(picture.width() + 1) / 2;
    Bytes raw;
    raw.reserve((stride + 1) * static_cast<std::size_t>(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        raw.push_back(0);
        const std::size_t row = raw.size();
        raw.resize(row + stride, 0);
        for (int x = 0; x < picture.width(); ++x) {
            const int shift = x % 2 == 0 ? 4 : 0;
            raw[row + static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(static_cast<int>(picture.at(x, y)) << shift);
        }
    }
    Bytes out;
    putPngHeader(out, picture, 4, 3);  // palette indices
    putChunk(out, "PLTE", palette);
    putChunk(out, "IDAT", zlibDeflated(raw));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace tolm::pictures
