#pragma once
// Room for one input whose last byte is the last byte that may be read: under Wine a
// no-access page follows it, so that reading one byte further faults; natively the block is
// exactly this size and AddressSanitizer reports an overread.
#include <cstddef>
#include <cstdint>

namespace fuzz {

class GuardedBuffer {
public:
    explicit GuardedBuffer(std::size_t nBytes);
    ~GuardedBuffer();
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    std::uint8_t* Data() { return m_pData; }
    std::size_t Size() const { return m_nSize; }

private:
    void* m_pBlock = nullptr;
    std::uint8_t* m_pData = nullptr;
    std::size_t m_nSize = 0;
};

}  // namespace fuzz

#include <cstring>
#include <string>

namespace fuzz {

// A NUL-terminated copy of a text whose terminator is the last unit that may be read.
class GuardedText {
public:
    explicit GuardedText(const std::wstring& text) : m_buffer((text.size() + 1) * sizeof(wchar_t)) {
        std::memcpy(m_buffer.Data(), text.c_str(), m_buffer.Size());
    }
    const wchar_t* Get() { return reinterpret_cast<const wchar_t*>(m_buffer.Data()); }

private:
    GuardedBuffer m_buffer;
};

}  // namespace fuzz
