// A small JSON writer: what the module tells the page, and what the page's tests read.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace tolm::web {

class Json {
public:
    void raw(std::string_view s) { out_ += s; }

    void string(std::string_view s) {
        out_ += '"';
        for (const char ch : s) {
            const auto c = static_cast<unsigned char>(ch);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += ch;
            } else if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out_ += escaped;
            } else {
                out_ += ch;
            }
        }
        out_ += '"';
    }

    void number(int n) { out_ += std::to_string(n); }
    void number(double d) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.6g", d);
        out_ += digits;
    }

    // "name": value pairs; the first of an object goes without a comma.
    void key(std::string_view name, bool first = false) {
        if (!first) out_ += ',';
        string(name);
        out_ += ':';
    }

    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

}  // namespace tolm::web
