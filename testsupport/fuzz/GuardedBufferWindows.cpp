#include "GuardedBuffer.h"

#include <windows.h>

#include <cstdlib>

namespace fuzz {

GuardedBuffer::GuardedBuffer(std::size_t nBytes) : m_nSize(nBytes) {
    SYSTEM_INFO info{};
    ::GetSystemInfo(&info);
    const std::size_t nPage = info.dwPageSize;
    const std::size_t nDataPages = (nBytes + nPage - 1) / nPage;
    m_pBlock = ::VirtualAlloc(nullptr, (nDataPages + 1) * nPage, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!m_pBlock) std::abort();
    auto* pGuard = static_cast<std::uint8_t*>(m_pBlock) + nDataPages * nPage;
    DWORD dwOld = 0;
    if (!::VirtualProtect(pGuard, nPage, PAGE_NOACCESS, &dwOld)) std::abort();
    m_pData = pGuard - nBytes;
}

GuardedBuffer::~GuardedBuffer() { ::VirtualFree(m_pBlock, 0, MEM_RELEASE); }

}  // namespace fuzz
