// exitcode.exe <program> [arguments...]: runs a program, passes its output through and prints
// its full 32-bit exit code, which a Linux shell cannot see under Wine.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ProcessRunner.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: exitcode.exe <program> [arguments...]\n", stderr);
        return 2;
    }
    const std::wstring commandLine = testsupport::CommandLineOf(argv[1], argv + 2, argc - 2);
    try {
        const auto result = testsupport::RunProgram(commandLine, INFINITE);
        std::fputs(result->output.c_str(), stdout);
        std::printf("exit code %lu\n", static_cast<unsigned long>(result->exitCode));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
