// Runs one fuzz target under Wine: every file of its corpus folder, then new inputs from a
// seed, each ending at a no-access page. A fault or a broken property keeps the input as
// <program>-failure.bin in the current folder and ends the run with a failure.
//   <target>.exe <corpus folder> [--runs N] [--seconds S] [--seed N]
// SUITE_FUZZ_SECONDS in the environment stands for --seconds: scripts/fuzz.sh runs the
// targets at length through the same tests that run them briefly.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "FuzzCheck.h"
#include "GuardedBuffer.h"
#include "SeededMutator.h"

namespace {

constexpr std::size_t kMaxInputSize = 4096;

const fuzz::Bytes* g_pCurrent = nullptr;

void KeepCurrentInput() {
    if (!g_pCurrent) return;
    wchar_t szProgram[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szProgram, MAX_PATH);
    const std::filesystem::path kept = std::filesystem::path(szProgram).stem().wstring() + L"-failure.bin";
    std::ofstream(kept, std::ios::binary)
        .write(reinterpret_cast<const char*>(g_pCurrent->data()), static_cast<std::streamsize>(g_pCurrent->size()));
    std::fprintf(stderr, "the input (%u bytes) is kept as %ls\n", static_cast<unsigned>(g_pCurrent->size()),
                 kept.c_str());
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* pException) {
    std::fprintf(stderr, "exception 0x%08lX at %p\n", pException->ExceptionRecord->ExceptionCode,
                 pException->ExceptionRecord->ExceptionAddress);
    KeepCurrentInput();
    std::fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
}

void Run(const fuzz::Bytes& input) {
    g_pCurrent = &input;
    fuzz::GuardedBuffer buffer(input.size());
    if (!input.empty()) std::memcpy(buffer.Data(), input.data(), input.size());
    LLVMFuzzerTestOneInput(buffer.Data(), buffer.Size());
}

std::vector<fuzz::Bytes> ReadCorpus(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<fuzz::Bytes> corpus;
    for (const auto& file : files) {
        std::ifstream stream(file, std::ios::binary);
        corpus.emplace_back(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }
    return corpus;
}

}  // namespace

namespace fuzz {

void Fail(const char* szCondition, const char* szFile, int nLine) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", szFile, nLine, szCondition);
    KeepCurrentInput();
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace fuzz

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %ls <corpus folder> [--runs N] [--seconds S] [--seed N]\n", argv[0]);
        return 2;
    }
    unsigned long nRuns = 0, nSeconds = 0, nSeed = 1;
    for (int i = 2; i + 1 < argc; i += 2) {
        const unsigned long nValue = std::wcstoul(argv[i + 1], nullptr, 10);
        if (std::wcscmp(argv[i], L"--runs") == 0) nRuns = nValue;
        if (std::wcscmp(argv[i], L"--seconds") == 0) nSeconds = nValue;
        if (std::wcscmp(argv[i], L"--seed") == 0) nSeed = nValue;
    }
    if (const wchar_t* szSeconds = _wgetenv(L"SUITE_FUZZ_SECONDS")) nSeconds = std::wcstoul(szSeconds, nullptr, 10);
    ::SetUnhandledExceptionFilter(OnUnhandledException);
    ::SetErrorMode(SEM_NOGPFAULTERRORBOX);

    std::vector<fuzz::Bytes> corpus = ReadCorpus(argv[1]);
    const std::size_t nCorpus = corpus.size();
    for (const auto& input : corpus) Run(input);
    if (corpus.empty()) corpus.emplace_back();

    fuzz::SeededMutator mutator(static_cast<std::uint32_t>(nSeed), kMaxInputSize);
    const ULONGLONG nStart = ::GetTickCount64();
    const ULONGLONG nEnd = nStart + nSeconds * 1000ull;
    fuzz::Bytes input = corpus[0];
    unsigned long nDone = 0;
    for (; nSeconds ? ::GetTickCount64() < nEnd : nDone < nRuns; ++nDone) {
        // A walk from the last input, restarted from a corpus entry now and then.
        if (mutator.Below(4) == 0) input = corpus[mutator.Below(corpus.size())];
        mutator.Mutate(input, corpus[mutator.Below(corpus.size())]);
        Run(input);
    }
    g_pCurrent = nullptr;
    std::printf("%u corpus inputs and %lu new ones in %.1f s: no fault\n", static_cast<unsigned>(nCorpus),
                nDone, (::GetTickCount64() - nStart) / 1000.0);
    return 0;
}
