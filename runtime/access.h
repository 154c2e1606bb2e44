// Which property operations each kind of control supports; any other fails.
#pragma once

#include "ui/layout.h"

namespace tolm::runtime {

enum class Operation : std::uint8_t { SetVisible, GetVisible, SetCaption, GetCaption };

constexpr bool supports(ui::Kind kind, Operation op) {
    switch (op) {
        case Operation::SetVisible:
            return kind == ui::Kind::Label || kind == ui::Kind::Button || kind == ui::Kind::PictureBox;
        case Operation::GetVisible:
        case Operation::SetCaption:
        case Operation::GetCaption: return kind == ui::Kind::Label;
    }
    return false;
}

constexpr bool supports(Control c, Operation op) { return supports(ui::rowOf(c).kind, op); }

}  // namespace tolm::runtime
