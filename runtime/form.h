// The window as the story sees it: property access with a status, the purse, program end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/control.h"
#include "runtime/runtime_error.h"

namespace tolm::runtime {

// Visible reads and writes 16-bit truth values.
using Truth = std::int16_t;
inline constexpr Truth kTrue = -1;
inline constexpr Truth kFalse = 0;

constexpr Truth truth(bool b) { return b ? kTrue : kFalse; }

enum class Status : std::uint8_t { Ok, Failed };

inline constexpr int kExitNormal = 0;
inline constexpr int kExitRuntimeError = 1;

class Form {
public:
    explicit Form(Reporter& reporter) : reporter_(reporter) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Visible can be set on labels, buttons and picture boxes and read on labels.
    virtual Status setVisible(Control c, Truth value) = 0;
    virtual Status getVisible(Control c, Truth& value) = 0;
    // Caption is set and read on labels; the text is copied either way.
    virtual Status setCaption(Control c, std::string_view text) = 0;
    virtual Status getCaption(Control c, std::string& text) = 0;

    // Program end: no further event reaches the story.
    virtual void end(int exitStatus) = 0;
    virtual bool ended() const = 0;

    // A runtime error stops the handler; the player is told, then the program ends.
    void fail(const RuntimeError& error) {
        reporter_.report(error);
        end(kExitRuntimeError);
    }

    // The purse is held by the window, like its controls.
    std::int16_t purse() const { return purse_; }
    void setPurse(std::int16_t value) { purse_ = value; }

private:
    Reporter& reporter_;
    std::int16_t purse_ = 0;
};

}  // namespace tolm::runtime
