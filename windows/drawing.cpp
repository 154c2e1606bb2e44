// GDI drawing for the owner-drawn controls: every text laid out here, so that the layout's line
// spacing holds and a long caption wraps instead of being cut.
#include "windows/drawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "layout/typography.h"

namespace tolm::windows {
namespace {

int textWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The caption broken into lines at its plain spaces; a no-break space holds its words together.
std::vector<std::wstring> wrap(HDC dc, std::wstring_view caption, int width) {
    std::vector<std::wstring> lines;
    std::wstring line;
    std::size_t at = 0;
    while (at <= caption.size()) {
        const std::size_t end = std::min(caption.find(L' ', at), caption.size());
        const std::wstring_view word = caption.substr(at, end - at);
        std::wstring longer = line.empty() ? std::wstring(word) : line + L' ' + std::wstring(word);
        if (!line.empty() && textWidth(dc, longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = std::move(longer);
        }
        at = end + 1;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void fill(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

void drawLabel(HDC dc, const RECT& area, std::wstring_view caption, HFONT font, COLORREF back, COLORREF fore,
               int fontPixels) {
    fill(dc, area, back);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Like the desktop's labels: the face's own spacing where it is tighter than the layout's.
    const int lineHeight = std::min<int>(metrics.tmHeight + metrics.tmExternalLeading, layout::lineHeight(fontPixels));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fore);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    int y = area.top;
    for (const std::wstring& line : wrap(dc, caption, area.right - area.left)) {
        if (y >= area.bottom) break;
        TextOutW(dc, area.left, y, line.c_str(), static_cast<int>(line.size()));
        y += lineHeight;
    }
    RestoreDC(dc, saved);
    SelectObject(dc, old);
}

void drawButton(HDC dc, const RECT& area, std::wstring_view caption, HFONT font, bool pushed, bool focused) {
    RECT face = area;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring text(caption);
    RECT box = area;
    InflateRect(&box, -GetSystemMetrics(SM_CXEDGE) * 2, -GetSystemMetrics(SM_CYEDGE) * 2);
    RECT measured = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CENTER | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    const int shift = pushed ? 1 : 0;
    OffsetRect(&box, shift, (box.bottom - box.top - (measured.bottom - measured.top)) / 2 + shift);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    if (focused) {
        // At least two pixels in the caption's colour, thicker as the scene grows, as on the desktop.
        const int width = layout::focusRingWidth(static_cast<int>(area.bottom - area.top));
        RECT ring = area;
        // The outline is drawn inside the rectangle it is given.
        const int gap = layout::focusRingGap(width);
        InflateRect(&ring, -gap, -gap);
        drawOutline(dc, ring, width, GetSysColor(COLOR_BTNTEXT));
    }
}

void drawPicture(HDC dc, const RECT& area, std::span<const std::uint8_t> bmp, double factor) {
    constexpr std::size_t kFileHeaderBytes = 14;
    constexpr std::size_t kColours = 16;
    // The header and the colours copied out: in the file they sit at an odd offset.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[kColours];
    } info{};
    std::memcpy(&info, bmp.data() + kFileHeaderBytes, sizeof info);
    std::uint32_t bitsAt = 0;
    std::memcpy(&bitsAt, bmp.data() + 10, sizeof bitsAt);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int pictureHeight = std::abs(info.header.biHeight);
    const int sourceWidth = std::min<int>(info.header.biWidth, static_cast<int>(std::lround(width / factor)));
    const int sourceHeight = std::min(pictureHeight, static_cast<int>(std::lround(height / factor)));
    SetStretchBltMode(dc, COLORONCOLOR);
    // A bottom-up DIB counts its source rows from the bottom: the picture's top rows are its last.
    const int sourceTop = info.header.biHeight > 0 ? pictureHeight - sourceHeight : 0;
    StretchDIBits(dc, area.left, area.top, width, height, 0, sourceTop, sourceWidth, sourceHeight, bmp.data() + bitsAt,
                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
}

void drawOutline(HDC dc, const RECT& area, int width, COLORREF colour) {
    // Four filled bands, so the line lies inside the area at every width.
    fill(dc, {area.left, area.top, area.right, area.top + width}, colour);
    fill(dc, {area.left, area.bottom - width, area.right, area.bottom}, colour);
    fill(dc, {area.left, area.top, area.left + width, area.bottom}, colour);
    fill(dc, {area.right - width, area.top, area.right, area.bottom}, colour);
}

}  // namespace tolm::windows
