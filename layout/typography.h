// How the layout's texts are spaced: the same figures on the desktop and on the page.
#pragma once

#include <cmath>

namespace tolm::layout {

// The layout's faces space their lines at about a fifth more than the font size. Some of the
// free faces standing in for them reserve much more (URW Bookman: 22 px for a 16 px font), which
// would push the longest stories out of the story label.
inline constexpr double kLineSpacing = 1.2;

// A label's line height for a font of `pixels`.
inline int lineHeight(int pixels) { return static_cast<int>(std::lround(pixels * kLineSpacing)); }

// The reading layout's type: the story larger than the window's, every other text at least
// kReadingTextPixels, and buttons between kReadingButtonPixels, in lines spaced for reading.
inline constexpr int kReadingStoryPixels = 18;
inline constexpr int kReadingTextPixels = 16;
inline constexpr int kReadingButtonPixels[] = {16, 24};
inline constexpr double kReadingLineSpacing = 1.35;

// A focused button's ring: at least two pixels, thicker as the scene grows, and as far inside the
// button's edge as it is wide, so that it stands apart from the edge at every scale.
inline constexpr int kLeastFocusWidth = 2;
inline constexpr int kFocusWidthPerHeight = 24;
constexpr int focusRingWidth(int buttonHeight) {
    return buttonHeight / kFocusWidthPerHeight > kLeastFocusWidth ? buttonHeight / kFocusWidthPerHeight
                                                                  : kLeastFocusWidth;
}
constexpr int focusRingGap(int ringWidth) { return ringWidth; }

// The frame's outline starts below its caption, so the caption stays outside it: one and a half
// times the caption's font size, in whole pixels.
inline int frameOutlineTop(int captionPixels) { return static_cast<int>(std::ceil(captionPixels * 1.5)); }

}  // namespace tolm::layout
