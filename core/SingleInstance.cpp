#include "SingleInstance.h"

#include <utility>

namespace {
constexpr DWORD kBlockSize = 4;
}  // namespace

SingleInstance::SingleInstance(const SingleInstanceNames& names) : m_names(names) {
    KernelHandle mutex(::CreateMutexW(nullptr, FALSE, m_names.szMutex));
    const DWORD dwError = ::GetLastError();
    if (dwError == ERROR_ALREADY_EXISTS) {
        m_outcome = Outcome::RunningHere;
    } else if (dwError == ERROR_ACCESS_DENIED) {
        m_outcome = Outcome::HeldByAnotherUser;
    } else if (mutex.IsValid()) {
        m_outcome = Outcome::First;
        m_mutex = std::move(mutex);
    }
}

void SingleInstance::ActivateFirstCopy() const {
    const KernelHandle block(
        ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, m_names.szWindowBlock));
    if (!block.IsValid() || ::GetLastError() != ERROR_ALREADY_EXISTS) return;
    if (const void* pView = ::MapViewOfFile(block.Get(), FILE_MAP_READ, 0, 0, kBlockSize)) {
        // The block holds the handle as 32 bits, as every copy of the program writes it.
        const auto hWnd = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(*static_cast<const DWORD*>(pView)));
        ::UnmapViewOfFile(pView);
        if (::IsWindow(hWnd)) ::SetForegroundWindow(hWnd);
    }
}

void SingleInstance::PublishWindow(HWND hWnd) {
    if (m_windowBlock.IsValid() || m_outcome != Outcome::First) return;
    KernelHandle block(
        ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, m_names.szWindowBlock));
    if (!block.IsValid()) return;
    if (void* pView = ::MapViewOfFile(block.Get(), FILE_MAP_WRITE, 0, 0, kBlockSize)) {
        // Window handles fit in 32 bits on every Windows, also for 64-bit readers.
        *static_cast<DWORD*>(pView) = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(hWnd));
        ::UnmapViewOfFile(pView);
    }
    m_windowBlock = std::move(block);
}
