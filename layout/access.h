// Which property operations each kind of control supports; any other fails.
#pragma once

#include "layout/layout.h"

namespace tolm::layout {

enum class Operation : std::uint8_t { SetVisible, GetVisible, SetCaption, GetCaption };

constexpr bool supports(layout::Kind kind, Operation op) {
    switch (op) {
        case Operation::SetVisible:
            return kind == layout::Kind::Label || kind == layout::Kind::Button || kind == layout::Kind::PictureBox;
        case Operation::GetVisible:
        case Operation::SetCaption:
        case Operation::GetCaption: return kind == layout::Kind::Label;
    }
    return false;
}

constexpr bool supports(Control c, Operation op) { return supports(layout::rowOf(c).kind, op); }

}  // namespace tolm::layout
