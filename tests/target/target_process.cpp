// The target program as a child process with its stdout on a pipe.
#include "tests/target/target_process.h"

#include <cstdio>
#include <cstdlib>

namespace target_test {
namespace {

constexpr DWORD kPollMs = 5;

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

}  // namespace

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(kPollMs);
    } while (GetTickCount() - start < ms);
}

TargetProcess::TargetProcess(const std::string& args) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE write = nullptr;
    if (!CreatePipe(&out_, &write, &sa, 0)) return;
    SetHandleInformation(out_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = write;
    si.hStdError = write;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string cmd = "\"" + ProgramFolder() + "target_app.exe\" " + args;
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
    }
    CloseHandle(write);
    if (auto ready = WaitLine("ready ", 10000)) {
        unsigned long long top = 0, box = 0;
        if (std::sscanf(ready->c_str(), "top=%llx box=%llx", &top, &box) == 2) {
            top_ = reinterpret_cast<HWND>(UINT_PTR(top));
            box_ = reinterpret_cast<HWND>(UINT_PTR(box));
        }
    }
}

TargetProcess::~TargetProcess() {
    Close();
    if (out_) CloseHandle(out_);
}

bool TargetProcess::ReadAvailable() {
    DWORD available = 0;
    if (!out_ || !PeekNamedPipe(out_, nullptr, 0, nullptr, &available, nullptr) || available == 0)
        return false;
    std::string chunk(available, '\0');
    DWORD got = 0;
    if (!ReadFile(out_, chunk.data(), available, &got, nullptr)) return false;
    chunk.resize(got);
    pending_ += chunk;
    return true;
}

std::optional<std::string> TargetProcess::WaitLine(const std::string& prefix, DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        size_t end;
        while ((end = pending_.find('\n')) != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
        }
        if (GetTickCount() - start >= timeout_ms) return std::nullopt;
        if (!ReadAvailable()) PumpFor(kPollMs);
    }
}

void TargetProcess::RequestReport() const {
    static const UINT msg = RegisterWindowMessageA("KorvalithTargetAppReport");
    PostMessageA(top_, msg, 0, 0);
}

bool TargetProcess::WaitForeground(DWORD timeout_ms) const {
    const DWORD start = GetTickCount();
    while (GetForegroundWindow() != top_) {
        if (GetTickCount() - start >= timeout_ms) return false;
        PumpFor(20);
    }
    return true;
}

void TargetProcess::Close() {
    if (!process_) return;
    if (top_ && IsWindow(top_)) PostMessageA(top_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
    CloseHandle(process_);
    process_ = nullptr;
}

}  // namespace target_test
