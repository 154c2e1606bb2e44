// The story's window on the web page: its state in arrays, every change sent to the page at once.
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

#include "layout/access.h"
#include "runtime/form.h"

namespace tolm::web {

// What the page does with a change; the module binds it to the page's script.
class Page {
public:
    virtual ~Page() = default;
    virtual void show(Control c, bool visible) = 0;
    virtual void caption(Control c, std::string_view text) = 0;
    virtual void end(int exitStatus) = 0;
};

class WebForm : public runtime::Form {
public:
    // Built as the page builds its controls: visibility and captions from the layout.
    WebForm(runtime::Reporter& reporter, Page& page);

    runtime::Status setVisible(Control c, runtime::Truth value) override;
    runtime::Status getVisible(Control c, runtime::Truth& value) override;
    runtime::Status setCaption(Control c, std::string_view text) override;
    runtime::Status getCaption(Control c, std::string& text) override;
    void end(int exitStatus) override;
    bool ended() const override { return exitStatus_.has_value(); }

    bool visible(Control c) const { return visible_[indexOf(c)]; }
    std::string_view caption(Control c) const { return captions_[indexOf(c)]; }

    // The next property operation fails, as a broken control would: how the page's error
    // dialog is shown in its tests.
    void failNextOperation() { failNext_ = true; }

private:
    bool allowed(Control c, layout::Operation op);

    Page& page_;
    std::bitset<kControlCount> visible_;
    std::array<std::string, kControlCount> captions_;
    std::optional<int> exitStatus_;
    bool failNext_ = false;
};

}  // namespace tolm::web
