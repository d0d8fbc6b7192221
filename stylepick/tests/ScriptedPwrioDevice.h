#pragma once
// Test double of the hardware-access device: answers from a script keyed by the request's
// function, register and selector, and records every block exactly as it was sent.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
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
        AnswerCut(request, sizeof(pwrio::RequestBlock), status, value, data);
    }
    // The driver writes only the first cbReturned bytes of its answer; the rest of the block
    // still holds the request.
    void AnswerCut(const pwrio::RequestBlock& request, DWORD cbReturned, uint32_t status, uint32_t value = 0,
                   uint32_t data = 0) {
        m_script[Key(request)] = Reply{true, cbReturned, {status, value, data, 0, 0, 0}};
    }
    // The control call itself fails and the block stays as it was sent.
    void FailCall(const pwrio::RequestBlock& request) { m_script[Key(request)] = Reply{false, 0, {}}; }
    // Every mode-table entry answers alike. These reads are counted, not recorded: a table may
    // hold 0x7FFFFFFF entries.
    void AnswerEveryEntry(uint32_t status, uint32_t value = 0, uint32_t data = 0) {
        m_everyEntry = {status, value, data, 0, 0, 0};
    }
    uint64_t entryReads = 0;
    uint32_t lastEntryRead = 0;

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

    bool Transfer(pwrio::RequestBlock& block, DWORD& cbReturned) override {
        if (!m_bOpen) ADD_FAILURE() << "request sent to a device that is not open";
        if (m_everyEntry && IsEntryRead(block)) {
            ++entryReads;
            lastEntryRead = block.words[5] - pwrio::kModeTableSelector;
            block.words = *m_everyEntry;
            cbReturned = sizeof(block);
            return true;
        }
        sent.push_back(block);
        const auto reply = m_script.find(Key(block));
        if (reply == m_script.end()) {
            // unknown requests are refused
            return Write(Reply{true, sizeof(block), {pwrio::kRefusedBits, 0, 0, 0, 0, 0}}, block, cbReturned);
        }
        return Write(reply->second, block, cbReturned);
    }

    void Close() override {
        ++closeCalls;
        m_bOpen = false;
    }

private:
    struct Reply {
        bool callSucceeds;
        DWORD cbReturned;
        std::array<uint32_t, 6> words;
    };
    using RequestKey = std::tuple<uint32_t, uint32_t, uint32_t>;
    static RequestKey Key(const pwrio::RequestBlock& block) {
        return {block.words[0], block.words[1], block.words[5]};
    }
    static bool IsEntryRead(const pwrio::RequestBlock& block) {
        return block.words[0] == pwrio::kReadRegister && block.words[1] == pwrio::kChargeFeature &&
               block.words[5] > pwrio::kModeTableSelector;
    }
    static bool Write(const Reply& reply, pwrio::RequestBlock& block, DWORD& cbReturned) {
        if (!reply.callSucceeds) return false;
        std::memcpy(block.words.data(), reply.words.data(), reply.cbReturned);
        cbReturned = reply.cbReturned;
        return true;
    }

    bool m_bOpen = false;
    std::map<RequestKey, Reply> m_script;
    std::optional<std::array<uint32_t, 6>> m_everyEntry;
};
