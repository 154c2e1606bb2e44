// How each kind of control draws itself with GDI: wrapped captions spaced by the layout, push
// buttons with a clear focus ring, scene pictures pixel for pixel, outlines.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace tolm::windows {

// A label's caption, wrapped at its spaces to the width, line under line from the top, spaced as
// the layout spaces them; what does not fit is cut off at the bottom edge.
void drawLabel(HDC dc, const RECT& area, std::wstring_view caption, HFONT font, COLORREF back, COLORREF fore,
               int fontPixels);

// A push button with its caption centred, wrapped where it is wider than the button.
void drawButton(HDC dc, const RECT& area, std::wstring_view caption, HFONT font, bool pushed, bool focused);

// The top-left part of a picture box's BMP, `factor` screen pixels to a picture pixel, nearest
// neighbour, so the pixel art keeps its hard edges.
void drawPicture(HDC dc, const RECT& area, std::span<const std::uint8_t> bmp, double factor);

// An outline `width` pixels wide just inside the area.
void drawOutline(HDC dc, const RECT& area, int width, COLORREF colour);

}  // namespace tolm::windows
