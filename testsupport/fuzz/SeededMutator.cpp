#include "SeededMutator.h"

#include <algorithm>
#include <iterator>

namespace fuzz {
namespace {

// Bytes that parsers treat specially: separators, terminators, signs, limits of a byte.
constexpr std::uint8_t kInteresting[] = {0x00, 0xFF, 0x7F, 0x80, 0x01, 0xFE, '/', '\\', '#', '&', ':', ',',
                                         ' ',  '\t', '-',  '+',  'x',  'X',  '0', '9',  'f', 'F', '<', '\n'};

}  // namespace

void SeededMutator::Mutate(Bytes& input, const Bytes& other) {
    const std::size_t nChanges = 1 + Below(4);
    for (std::size_t i = 0; i < nChanges; ++i) MutateOnce(input, other);
    if (input.size() > m_nMaxSize) input.resize(m_nMaxSize);
}

void SeededMutator::MutateOnce(Bytes& input, const Bytes& other) {
    const std::size_t nAt = Below(input.size() + 1);
    switch (Below(7)) {
        case 0:  // flip a bit
            if (!input.empty()) input[Below(input.size())] ^= static_cast<std::uint8_t>(1u << Below(8));
            break;
        case 1:  // any byte
            if (!input.empty()) input[Below(input.size())] = static_cast<std::uint8_t>(Below(256));
            break;
        case 2:  // a byte that matters to parsers, inserted
            input.insert(input.begin() + nAt, kInteresting[Below(std::size(kInteresting))]);
            break;
        case 3:  // erase a run
            input.erase(input.begin() + nAt,
                        input.begin() + nAt + Below(std::min<std::size_t>(input.size() - nAt, 8) + 1));
            break;
        case 4: {  // repeat a run, to reach lengths and counts that seeds lack
            const std::size_t nLength = Below(std::min<std::size_t>(input.size() - nAt, 64) + 1);
            const Bytes run(input.begin() + nAt, input.begin() + nAt + nLength);
            for (std::size_t n = 1 + Below(8); n > 0; --n) input.insert(input.begin() + nAt, run.begin(), run.end());
            break;
        }
        case 5: {  // splice in a piece of another input
            const std::size_t nFrom = Below(other.size() + 1);
            const std::size_t nLength = Below(other.size() - nFrom + 1);
            input.insert(input.begin() + nAt, other.begin() + nFrom, other.begin() + nFrom + nLength);
            break;
        }
        default:  // cut the input short
            input.resize(nAt);
            break;
    }
}

}  // namespace fuzz
