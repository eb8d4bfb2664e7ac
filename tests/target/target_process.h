// Starts the target program as a second process and reads what it reports on its stdout.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace target_test {

class TargetProcess {
  public:
    // Starts "target_app.exe <args>" from the test program's folder and waits for its ready line.
    explicit TargetProcess(const std::string& args);
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;
    ~TargetProcess();

    bool Ready() const { return top_ != nullptr; }
    HWND Top() const { return top_; }
    HWND Box() const { return box_; }

    // The rest of the next line that starts with `prefix`, or nothing within the time.
    std::optional<std::string> WaitLine(const std::string& prefix, DWORD timeout_ms = 3000);
    // Asks the program to report what its box (or every page field) holds now.
    void RequestReport() const;
    // Waits until the program's window is the foreground window.
    bool WaitForeground(DWORD timeout_ms = 3000) const;
    // Closes the window and waits for the program to end.
    void Close();

  private:
    bool ReadAvailable();

    HANDLE process_ = nullptr;
    HANDLE out_ = nullptr;
    std::string pending_;
    HWND top_ = nullptr;
    HWND box_ = nullptr;
};

// Lets the test's own windows and COM calls run while it waits.
void PumpFor(DWORD ms);

}  // namespace target_test
