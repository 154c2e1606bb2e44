// The window without a screen: visibility and captions in plain arrays, for tests and tools.
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "runtime/access.h"
#include "runtime/form.h"

namespace tolm::runtime {

// Keeps every reported error, in order.
class RecordingReporter : public Reporter {
public:
    void report(const RuntimeError& error) override { errors.push_back(error); }
    std::vector<RuntimeError> errors;
};

class HeadlessForm : public Form {
public:
    // Built as the window opens: visibility and captions from the layout, before Form_Load.
    explicit HeadlessForm(Reporter& reporter);

    Status setVisible(Control c, Truth value) override;
    Status getVisible(Control c, Truth& value) override;
    Status setCaption(Control c, std::string_view text) override;
    Status getCaption(Control c, std::string& text) override;
    void end(int exitStatus) override { exitStatus_ = exitStatus; }
    bool ended() const override { return exitStatus_.has_value(); }

    bool visible(Control c) const { return visible_[indexOf(c)]; }
    const std::string& caption(Control c) const { return captions_[indexOf(c)]; }
    std::optional<int> exitStatus() const { return exitStatus_; }

    // Makes the property operation `count` operations from now fail (1: the next one).
    void failOperationAfter(int count) { failIn_ = count; }

private:
    bool allowed(Control c, Operation op);

    std::bitset<kControlCount> visible_;
    std::array<std::string, kControlCount> captions_;
    std::optional<int> exitStatus_;
    int failIn_ = 0;
};

}  // namespace tolm::runtime
