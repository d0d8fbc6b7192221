// Requests of the wrong shape, and requests the firmware is set to fail: the driver answers
// only well-formed blocks and never writes past what it answers.
#include <gtest/gtest.h>

#include <cstring>

#include "PwrioTestDevice.h"
#include "SimulatedPwrio.h"

using namespace pwriotest;

namespace {

constexpr unsigned char kUntouched = 0xCC;

class PwrioRequests : public ::testing::Test {
protected:
    testsupport::SimulatedPwrio m_driver;
    TestDevice m_device;
};

TEST_F(PwrioRequests, BufferLengthsDecideBetweenAnswerAndBufferTooSmall) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    const struct {
        const char* what;
        DWORD inSize;
        DWORD outSize;
        bool answered;
    } cases[] = {
        {"exact block", 24, 24, true},
        {"short input", 23, 24, false},
        {"short output", 24, 23, false},
        {"no input", 0, 24, false},
        {"no output", 24, 0, false},
        {"nothing", 0, 0, false},
        {"long block", 32, 32, true},
        {"long output only", 24, 64, true},
        {"long input only", 64, 24, true},
    };
    const Block chargeRead = Request(kRead, kCharge);
    const Block chargeAnswer = {0, 0x800C};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        unsigned char in[64];
        unsigned char out[64];
        std::memset(in, 0x5A, sizeof(in));
        std::memcpy(in, chargeRead.data(), sizeof(chargeRead));
        std::memset(out, kUntouched, sizeof(out));

        const Outcome outcome = m_device.Send(kExchangeCode, in, c.inSize, out, c.outSize);

        if (c.answered) {
            ASSERT_TRUE(outcome.succeeded) << "error " << outcome.error;
            EXPECT_EQ(24u, outcome.bytesReturned);
            EXPECT_EQ(0, std::memcmp(out, chargeAnswer.data(), sizeof(chargeAnswer)));
            for (size_t i = sizeof(Block); i < sizeof(out); ++i) ASSERT_EQ(kUntouched, out[i]) << "byte " << i;
        } else {
            EXPECT_FALSE(outcome.succeeded);
            EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), outcome.error);
            for (unsigned char b : out) ASSERT_EQ(kUntouched, b);
        }
    }
}

TEST_F(PwrioRequests, OtherControlCodesAreRejected) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    for (DWORD code : {0x00222884ul, 0x00222000ul, 0x00000000ul}) {
        SCOPED_TRACE(code);
        Block block = Request(kOpen);
        const Block sent = block;
        const Outcome outcome = m_device.Send(code, block.data(), sizeof(block), block.data(), sizeof(block));
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_FUNCTION), outcome.error);
        EXPECT_EQ(sent, block);
    }
}

TEST_F(PwrioRequests, FailFunctionFailsOnlyThatFunctionUntilCleared) {
    ASSERT_TRUE(m_device.IsOpen()) << "error " << m_device.OpenError();
    const Block requests[] = {Request(kOpen), Request(kClose), Request(kRead, kCharge)};
    for (const Block& failing : requests) {
        SCOPED_TRACE(failing[0]);
        m_driver.Set(L"FailFunction", failing[0]);
        for (const Block& request : requests) {
            Block block = request;
            const Outcome outcome = m_device.Exchange(block);
            if (request[0] == failing[0]) {
                EXPECT_FALSE(outcome.succeeded);
                EXPECT_EQ(static_cast<DWORD>(ERROR_IO_DEVICE), outcome.error);
                EXPECT_EQ(request, block) << "a failed request leaves the block unanswered";
            } else {
                EXPECT_TRUE(outcome.succeeded) << "error " << outcome.error;
            }
        }
        m_driver.Clear(L"FailFunction");
        Block block = failing;
        EXPECT_TRUE(m_device.Exchange(block).succeeded);
    }
}

}  // namespace
