#include "SingleInstance.h"

namespace {
constexpr wchar_t kMutexName[] = L"Global\\Nodwell";
constexpr wchar_t kWindowBlockName[] = L"Local\\Corvane Zazez (HWND)";
constexpr DWORD kBlockSize = 4;
}  // namespace

SingleInstance::SingleInstance() {
    HANDLE hMutex = ::CreateMutexW(nullptr, FALSE, kMutexName);
    const DWORD dwError = ::GetLastError();
    if (dwError == ERROR_ALREADY_EXISTS) {
        m_outcome = Outcome::RunningHere;
    } else if (dwError == ERROR_ACCESS_DENIED) {
        m_outcome = Outcome::HeldByAnotherUser;
    } else if (hMutex) {
        m_outcome = Outcome::First;
        m_hMutex = hMutex;
        return;
    }
    if (hMutex) ::CloseHandle(hMutex);
}

SingleInstance::~SingleInstance() {
    if (m_hWindowBlock) ::CloseHandle(m_hWindowBlock);
    if (m_hMutex) ::CloseHandle(m_hMutex);
}

void SingleInstance::ActivateFirstCopy() {
    HANDLE hBlock = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, kWindowBlockName);
    if (!hBlock) return;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        if (const void* pView = ::MapViewOfFile(hBlock, FILE_MAP_READ, 0, 0, kBlockSize)) {
            // The block holds the handle as 32 bits, as every copy of the program writes it.
            const auto hWnd = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(*static_cast<const DWORD*>(pView)));
            ::UnmapViewOfFile(pView);
            if (::IsWindow(hWnd)) ::SetForegroundWindow(hWnd);
        }
    }
    ::CloseHandle(hBlock);
}

void SingleInstance::PublishWindow(HWND hWnd) {
    if (m_hWindowBlock || m_outcome != Outcome::First) return;
    HANDLE hBlock = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, kWindowBlockName);
    if (!hBlock) return;
    if (void* pView = ::MapViewOfFile(hBlock, FILE_MAP_WRITE, 0, 0, kBlockSize)) {
        *static_cast<DWORD*>(pView) = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(hWnd));
        ::UnmapViewOfFile(pView);
    }
    m_hWindowBlock = hBlock;
}
