// Stands in for the password program inside the test setup's archive: records how it was
// started in C:\korvalith-started.txt and ends.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmdLine, int) {
    if (FILE* f = std::fopen("C:\\korvalith-started.txt", "wb")) {
        std::fputs(GetCommandLineA(), f);
        std::fclose(f);
    }
    return 0;
}
