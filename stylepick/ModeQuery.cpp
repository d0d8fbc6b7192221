#include "ModeQuery.h"

#include <windows.h>

#include <utility>

#include "ModeNameVersion.h"
#include "StyleSheetChoice.h"

namespace {
constexpr wchar_t kDefaultSourceDir[] = L".\\CSS\\";
}

ModeQuery::ModeQuery(pwrio::IDevice& device, std::wstring strDestFile, std::wstring strSourceDir,
                     FileCopier copyFile)
    : m_device(device),
      m_copyFile(copyFile),
      m_strDestFile(std::move(strDestFile)),
      m_strSourceDir(std::move(strSourceDir)) {
    m_bDeviceOpen = m_device.Open();
    if (m_strSourceDir.empty()) m_strSourceDir = kDefaultSourceDir;
    m_bInterfaceOpen = true;
    m_bMusicSupported = false;
    m_nStatus = 0;
    m_bChargeSupported = true;
    m_nEntryCount = 0;

    if (!m_bDeviceOpen) {
        m_bInterfaceOpen = false;
        m_nStatus = pwrio::kOpenInterface;
    } else if (!Send(pwrio::OpenInterfaceRequest()) || !pwrio::IsInterfaceAnswerGood(m_request)) {
        m_bInterfaceOpen = false;
        m_nStatus = static_cast<int32_t>(m_request.Status());
    }
    ProbeChargeSupport();
    ProbeMusicSupport();
}

ModeQuery::~ModeQuery() {
    if (m_bInterfaceOpen) {
        if (!m_bDeviceOpen || !Send(pwrio::CloseInterfaceRequest()) || !pwrio::IsInterfaceAnswerGood(m_request)) {
            m_bInterfaceOpen = false;
            m_nStatus = static_cast<int32_t>(m_request.Status());
        }
    }
    if (m_bDeviceOpen) m_device.Close();
}

bool ModeQuery::Send(const pwrio::RequestBlock& request) {
    m_request = request;
    return m_device.Exchange(m_request);
}

bool ModeQuery::ProbeChargeSupport() {
    if (!m_bInterfaceOpen) return false;
    m_bChargeSupported = Send(pwrio::ChargePresenceRequest()) && pwrio::IsChargePresent(m_request);
    m_nStatus = m_bChargeSupported ? 0 : static_cast<int32_t>(m_request.Status());
    return m_bChargeSupported;
}

bool ModeQuery::ProbeMusicSupport() {
    if (!m_bInterfaceOpen) return false;
    m_bMusicSupported = Send(pwrio::MusicPresenceRequest()) && pwrio::IsMusicPresent(m_request);
    m_nStatus = m_bMusicSupported ? 0 : static_cast<int32_t>(m_request.Status());
    return m_bMusicSupported;
}

ModeQuery::TableRead ModeQuery::ReadModeTable(uint32_t& modeBits) {
    if (!m_bInterfaceOpen || !m_bChargeSupported) return TableRead::Failed;
    if (!Send(pwrio::ModeTableHeaderRequest()) || !pwrio::IsModeTableHeaderGood(m_request)) {
        m_nStatus = static_cast<int32_t>(m_request.Status());
        return TableRead::Failed;
    }
    m_nEntryCount = static_cast<int32_t>(m_request.Data());
    if (m_nEntryCount < 1) {
        m_nStatus = 0;
        return TableRead::Empty;
    }
    // Unsigned, so that a count of 0x7FFFFFFF ends the loop instead of overflowing its counter.
    for (uint32_t entry = 1; entry <= static_cast<uint32_t>(m_nEntryCount); ++entry) {
        if (Send(pwrio::ModeTableEntryRequest(entry)) &&
            pwrio::IsModeTableEntryGood(m_request)) {
            modeBits = m_request.Data();
            return TableRead::Found;
        }
    }
    m_nStatus = static_cast<int32_t>(m_request.Status());
    return TableRead::Failed;
}

bool ModeQuery::SelectAndCopyStyleSheet() {
    uint32_t modeBits = 0;
    switch (ReadModeTable(modeBits)) {
        case TableRead::Failed: return false;
        case TableRead::Empty: return true;
        case TableRead::Found: break;
    }
    const wchar_t* styleSheet = ChooseStyleSheet(ModeNameVersion(modeBits), m_bMusicSupported);
    if (!styleSheet) {
        m_nStatus = 0;
        return true;
    }
    return CopyStyleSheet(styleSheet);
}

bool ModeQuery::CopyStyleSheet(const wchar_t* name) {
    // The source folder is joined as it stands: callers give it with its trailing backslash.
    const std::wstring source = m_strSourceDir + name;
    if (m_copyFile(source, m_strDestFile) || m_copyFile(source, m_strDestFile)) {
        m_nStatus = 0;
        return true;
    }
    // A machine left without its style sheet is a failure the installer must be able to see.
    const DWORD error = GetLastError();
    m_nStatus = static_cast<int32_t>(error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE);
    return false;
}
