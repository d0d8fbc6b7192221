#pragma once
// Test double of the hardware-access device: answers from a script keyed by the request's
// function, register and selector, and records every block exactly as it was sent.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "PwrioDevice.h"

class ScriptedPwrioDevice final : public pwrio::IDevice {
public:
    bool opens = true;
    int openCalls = 0;
    int closeCalls = 0;
    std::vector<pwrio::RequestBlock> sent;

    // The driver overwrites the block with status, value and data; the rest reads 0.
    void Answer(const pwrio::RequestBlock& request, uint32_t status, uint32_t value = 0, uint32_t data = 0) {
        m_script[Key(request)] = Reply{true, {status, value, data, 0, 0, 0}};
    }
    // The control call itself fails and the block stays as it was sent.
    void FailCall(const pwrio::RequestBlock& request) { m_script[Key(request)] = Reply{false, {}}; }

    // A machine that opens and closes its interface and has both features; its mode table
    // holds one entry with modeBits.
    void ScriptGoodMachine(uint32_t modeBits) {
        Answer(pwrio::OpenInterfaceRequest(), 0);
        Answer(pwrio::CloseInterfaceRequest(), 0);
        Answer(pwrio::ChargePresenceRequest(), 0, pwrio::kChargePresentValue);
        Answer(pwrio::MusicPresenceRequest(), 0, 0);
        Answer(pwrio::ModeTableHeaderRequest(), 0, pwrio::kModeTableHeaderValue, 1);
        Answer(pwrio::ModeTableEntryRequest(1), 0, pwrio::kModeTableEntryValue, modeBits);
    }

    // Function codes of the requests sent, in order.
    std::vector<uint32_t> SentFunctions() const {
        std::vector<uint32_t> functions;
        for (const auto& block : sent) functions.push_back(block.words[0]);
        return functions;
    }

    bool Open() override {
        ++openCalls;
        m_bOpen = opens;
        return opens;
    }

    bool Exchange(pwrio::RequestBlock& block) override {
        EXPECT_TRUE(m_bOpen) << "request sent to a device that is not open";
        sent.push_back(block);
        const auto reply = m_script.find(Key(block));
        if (reply == m_script.end()) {
            block.words = {pwrio::kRefusedBits, 0, 0, 0, 0, 0};  // unknown requests are refused
            return true;
        }
        if (!reply->second.callSucceeds) return false;
        block.words = reply->second.words;
        return true;
    }

    void Close() override {
        ++closeCalls;
        m_bOpen = false;
    }

private:
    struct Reply {
        bool callSucceeds;
        std::array<uint32_t, 6> words;
    };
    using RequestKey = std::tuple<uint32_t, uint32_t, uint32_t>;
    static RequestKey Key(const pwrio::RequestBlock& block) {
        return {block.words[0], block.words[1], block.words[5]};
    }

    bool m_bOpen = false;
    std::map<RequestKey, Reply> m_script;
};
