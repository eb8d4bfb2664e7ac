// An owned BSTR, freed (and, for passwords, wiped first) when it goes.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace korvalith {

class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(BSTR s) : s_(s) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { Reset(); }

    BSTR Get() const { return s_; }
    BSTR* Put() {
        Reset();
        return &s_;
    }
    // Zeros the characters before freeing: for strings that held a password.
    void Wipe() {
        if (s_) SecureZeroMemory(s_, SysStringByteLen(s_));
    }
    void Reset() {
        if (s_) SysFreeString(std::exchange(s_, nullptr));
    }

  private:
    BSTR s_ = nullptr;
};

// ANSI (the system code page) to a new BSTR, and back.
BSTR AnsiToBstr(const std::string& s);
std::string BstrToAnsi(BSTR s);

}  // namespace korvalith
