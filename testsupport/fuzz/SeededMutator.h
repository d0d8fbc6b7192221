#pragma once
// New inputs from a fixed seed: the same seed gives the same inputs on every machine, so a
// failure in the test run can be repeated.
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace fuzz {

using Bytes = std::vector<std::uint8_t>;

class SeededMutator {
public:
    SeededMutator(std::uint32_t nSeed, std::size_t nMaxSize) : m_random(nSeed), m_nMaxSize(nMaxSize) {}

    // One to four changes to input; other supplies the pieces that splicing copies in.
    void Mutate(Bytes& input, const Bytes& other);

    // 0 .. nBound - 1, the same on every standard library (unlike the distributions).
    std::size_t Below(std::size_t nBound) { return nBound == 0 ? 0 : m_random() % nBound; }

private:
    void MutateOnce(Bytes& input, const Bytes& other);

    std::mt19937 m_random;
    std::size_t m_nMaxSize;
};

}  // namespace fuzz
