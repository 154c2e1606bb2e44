// The page's column, made from the window's places: what shares a place shares a slot.
#include <gtest/gtest.h>

#include "layout/layout.h"
#include "layout/reading.h"

namespace tolm::layout {
namespace {

using enum Control;

bool samePlace(const ControlRow& a, const ControlRow& b) {
    return a.in == b.in && a.rect.left == b.rect.left && a.rect.top == b.rect.top;
}

TEST(Column, ControlsThatShareAPlaceShareASlotAndNoOthersDo) {
    for (const ControlRow& a : kLayout) {
        if (a.kind == Kind::Shape) continue;
        for (const ControlRow& b : kLayout) {
            if (b.kind == Kind::Shape || &a == &b) continue;
            const Slot sa = readingSlot(a.control), sb = readingSlot(b.control);
            const bool shared = sa.region == sb.region && sa.row == sb.row && sa.column == sb.column &&
                                (a.in == Container::Frame1) == (b.in == Container::Frame1);
            EXPECT_EQ(shared, samePlace(a, b)) << controlName(a.control) << " and " << controlName(b.control);
        }
    }
}

TEST(Column, ReadsBarPictureStoryChoicesDeedsInventoryFromTheTop) {
    const Control order[] = {Konec, Picture1, P, Vyjit, Dale, Jirikov, Buy3, L, Domovni, Tally2, Frame1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(readingSlot(order[i - 1]).row, readingSlot(order[i]).row) << controlName(order[i]);
    EXPECT_EQ(readingSlot(Pen).row, readingSlot(Konec).row) << "the purse and Konec share the bar";
    const Slot outline = readingSlot(Shape1);
    EXPECT_EQ(outline.row, readingSlot(L).row);
    EXPECT_EQ(outline.row + outline.rows, readingSlot(Frame1).row) << "the outline goes round every deed";
}

}  // namespace
}  // namespace tolm::layout
