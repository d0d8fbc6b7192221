#include "FirstInstance.h"

#include <cstring>

namespace {

constexpr DWORD kBlockSize = sizeof(DWORD);

}  // namespace

const wchar_t* WindowHandleBlockName() { return L"Local\\Corvane Zazez Info (HWND)"; }

WindowHandleBlock::~WindowHandleBlock() {
    if (m_hBlock) ::CloseHandle(m_hBlock);
}

bool WindowHandleBlock::Publish(HWND hWnd) {
    if (!m_hBlock) {
        m_hBlock = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize,
                                        WindowHandleBlockName());
    }
    if (!m_hBlock) return false;
    void* pView = ::MapViewOfFile(m_hBlock, FILE_MAP_WRITE, 0, 0, kBlockSize);
    if (!pView) return false;
    // Window handles fit in 32 bits on every Windows, also for 64-bit readers.
    const DWORD dwHandle = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(hWnd));
    std::memcpy(pView, &dwHandle, kBlockSize);
    ::UnmapViewOfFile(pView);
    return true;
}

void ActivateFirstInstance() {
    HANDLE hBlock =
        ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, WindowHandleBlockName());
    if (!hBlock) return;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        if (const void* pView = ::MapViewOfFile(hBlock, FILE_MAP_READ, 0, 0, kBlockSize)) {
            DWORD dwHandle = 0;
            std::memcpy(&dwHandle, pView, kBlockSize);
            ::UnmapViewOfFile(pView);
            if (dwHandle) ::SetForegroundWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(dwHandle)));
        }
    }
    ::CloseHandle(hBlock);
}
