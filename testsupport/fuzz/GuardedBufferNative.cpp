#include "GuardedBuffer.h"

#include <cstdlib>

namespace fuzz {

// A block of exactly the input's size: AddressSanitizer guards both its ends.
GuardedBuffer::GuardedBuffer(std::size_t nBytes) : m_nSize(nBytes) {
    m_pBlock = std::malloc(nBytes);
    if (!m_pBlock && nBytes != 0) std::abort();
    m_pData = static_cast<std::uint8_t*>(m_pBlock);
}

GuardedBuffer::~GuardedBuffer() { std::free(m_pBlock); }

}  // namespace fuzz
