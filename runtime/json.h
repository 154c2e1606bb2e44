// A small JSON writer that places its own commas: what the module tells the page, and what tools
// and tests hand to scripts.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolm {

class Json {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // The name of the object's next member; its value follows.
    void key(std::string_view name) {
        separate();
        quote(name);
        out_ += ':';
        afterKey_ = true;
    }

    void string(std::string_view s) {
        separate();
        quote(s);
    }
    void number(int n) {
        separate();
        out_ += std::to_string(n);
    }
    void number(double d) {
        separate();
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.6g", d);
        out_ += digits;
    }
    void boolean(bool b) {
        separate();
        out_ += b ? "true" : "false";
    }
    // A value that is not there, where a reader expects the key all the same.
    void null() {
        separate();
        out_ += "null";
    }

    // A member and its value at once. A quoted literal is text: without its own overload it would
    // turn into a bool.
    void field(std::string_view name, std::string_view s) {
        key(name);
        string(s);
    }
    void field(std::string_view name, const char* s) {
        key(name);
        string(s);
    }
    void field(std::string_view name, int n) {
        key(name);
        number(n);
    }
    void field(std::string_view name, double d) {
        key(name);
        number(d);
    }
    void field(std::string_view name, bool b) {
        key(name);
        boolean(b);
    }

    std::string take() { return std::move(out_); }

private:
    // A value after another in the same object or array takes a comma; the value of a key does not.
    void separate() {
        if (afterKey_) {
            afterKey_ = false;
        } else if (!firsts_.empty()) {
            if (!firsts_.back()) out_ += ',';
            firsts_.back() = false;
        }
    }

    void open(char bracket) {
        separate();
        out_ += bracket;
        firsts_.push_back(true);
    }

    void close(char bracket) {
        firsts_.pop_back();
        out_ += bracket;
    }

    void quote(std::string_view s) {
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

    std::string out_;
    std::vector<bool> firsts_;  // per open object or array: whether no value has come in it yet
    bool afterKey_ = false;
};

}  // namespace tolm
