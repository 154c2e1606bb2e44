// The reading layout's slots, made from the places of the layout table.
#include "layout/reading.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tolm::layout {
namespace {

// The purse first, then Konec at the bar's far end.
constexpr std::array kBar{Control::Pen, Control::penize, Control::Konec};

Region regionOf(const ControlRow& row) {
    if (std::find(kBar.begin(), kBar.end(), row.control) != kBar.end()) return Region::Bar;
    if (row.control == Control::P) return Region::Story;
    if (row.in == Container::Frame1 || row.kind == Kind::Frame) return Region::Inventory;
    if (row.kind == Kind::PictureBox) return Region::Picture;
    if (row.kind == Kind::Button) return Region::Choices;
    return Region::Deeds;  // the tally area's outline and the labels inside it
}

// A place: where a control's top-left corner lies in its container.
using Place = std::pair<int, int>;
Place placeOf(const ControlRow& row) { return {row.rect.top, row.rect.left}; }

struct Column {
    std::array<Slot, kControlCount> slots{};

    Column() {
        for (const ControlRow& row : kLayout) slots[indexOf(row.control)].region = regionOf(row);
        int next = 1;
        for (const Region region :
             {Region::Bar, Region::Picture, Region::Story, Region::Choices, Region::Deeds, Region::Inventory})
            next = placeRegion(region, next);
        // The tally area's outline goes round every deed.
        const int deeds = slots[indexOf(Control::L)].row;
        Slot& outline = slots[indexOf(Control::Shape1)];
        outline.row = deeds;
        outline.rows = slots[indexOf(Control::Frame1)].row - deeds;
        // The frame's children stand in the frame, in rows of their own.
        placeRegionIn(Container::Frame1);
    }

    // Gives each place of the region a row from `first` on, top to bottom; returns the next row.
    int placeRegion(Region region, int first) {
        if (region == Region::Bar) {
            for (std::size_t i = 0; i < kBar.size(); ++i)
                slots[indexOf(kBar[i])] = {Region::Bar, first, 1, static_cast<int>(i) + 1};
            return first + 1;
        }
        return giveRows(first, [&](const ControlRow& row) {
            return row.in == Container::Window && row.kind != Kind::Shape &&
                   slots[indexOf(row.control)].region == region;
        });
    }

    void placeRegionIn(Container container) {
        giveRows(1, [&](const ControlRow& row) { return row.in == container; });
    }

    // Each place of the controls that belong gets a row of its own, from `first` on, top to bottom
    // and left to right; controls at one place share it. Returns the next row.
    template <class Belongs>
    int giveRows(int first, Belongs belongs) {
        std::vector<Place> places;
        for (const ControlRow& row : kLayout)
            if (belongs(row)) places.push_back(placeOf(row));
        std::sort(places.begin(), places.end());
        places.erase(std::unique(places.begin(), places.end()), places.end());
        for (const ControlRow& row : kLayout) {
            if (!belongs(row)) continue;
            const auto at = std::lower_bound(places.begin(), places.end(), placeOf(row)) - places.begin();
            slots[indexOf(row.control)].row = first + static_cast<int>(at);
        }
        return first + static_cast<int>(places.size());
    }
};

const Column& column() {
    static const Column c;
    return c;
}

double storyPixels() { return pixelSize(*rowOf(Control::P).font); }

}  // namespace

Slot readingSlot(Control c) { return column().slots[indexOf(c)]; }

double readingBelowWidth() { return toPixels(kRestoredClientArea.width) * kReadingBelowPixels / storyPixels(); }
double readingBelowHeight() { return toPixels(kRestoredClientArea.height) * kReadingBelowPixels / storyPixels(); }

}  // namespace tolm::layout
