// The window without a screen: runtime errors are kept for the tests and tools to read.
#pragma once

#include <vector>

#include "runtime/runtime_error.h"

namespace tolm::headless {

// Keeps every reported error, in order.
class RecordingReporter : public runtime::Reporter {
public:
    void report(const runtime::RuntimeError& error) override { errors.push_back(error); }
    std::vector<runtime::RuntimeError> errors;
};

}  // namespace tolm::headless
