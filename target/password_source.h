// The password as delivery reads it: its length once, each character anew.
#pragma once

#include <cstddef>
#include <string>

namespace korvalith {

class PasswordSource {
  public:
    virtual ~PasswordSource() = default;
    virtual size_t Length() const = 0;
    virtual char CharAt(size_t k) const = 0;  // k from 0

    // The whole text, for the clipboard and the window text; the caller wipes it.
    std::string Text() const {
        std::string s;
        s.reserve(Length());
        for (size_t k = 0; k < Length(); ++k) s.push_back(CharAt(k));
        return s;
    }
};

// A password held in a string the caller owns (and wipes).
class StringPassword : public PasswordSource {
  public:
    explicit StringPassword(const std::string& s) : s_(s) {}
    size_t Length() const override { return s_.size(); }
    char CharAt(size_t k) const override { return k < s_.size() ? s_[k] : '\0'; }

  private:
    const std::string& s_;
};

}  // namespace korvalith
