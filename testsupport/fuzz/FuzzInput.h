#pragma once
// Reads a fuzz input as the values a target needs. Every read succeeds: past the end of the
// input, numbers read 0 and texts are empty, so any input decodes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    bool AtEnd() const { return m_nPos >= m_nSize; }

    std::uint8_t Byte() { return AtEnd() ? 0 : m_pData[m_nPos++]; }

    // Little-endian, as the platform stores it.
    std::uint32_t Number() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return value;
    }

    // UTF-16 units up to a 0 unit or the end; the 0 unit is consumed, never part of the text.
    std::wstring Text() {
        std::wstring text;
        while (m_nPos + 1 < m_nSize) {
            const wchar_t unit = static_cast<wchar_t>(m_pData[m_nPos] | (m_pData[m_nPos + 1] << 8));
            m_nPos += 2;
            if (unit == 0) return text;
            text += unit;
        }
        m_nPos = m_nSize;
        return text;
    }

    // Texts until the input ends.
    std::vector<std::wstring> Texts() {
        std::vector<std::wstring> texts;
        while (!AtEnd()) texts.push_back(Text());
        return texts;
    }

    std::vector<std::uint8_t> Rest() {
        std::vector<std::uint8_t> rest(m_pData + m_nPos, m_pData + m_nSize);
        m_nPos = m_nSize;
        return rest;
    }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
};

}  // namespace fuzz
