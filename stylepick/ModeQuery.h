#pragma once
// One run's conversation with the hardware-access device: opens the device and its interface,
// probes the charge and music features, reads the charge-mode table, and installs the style
// sheet that fits. Closes interface and device when destroyed.
#include <cstdint>
#include <string>

#include "PwrioDevice.h"
#include "WholeFileCopy.h"

class ModeQuery {
public:
    // How a sheet is copied over the destination: CopyFileWhole, or a stand-in whose first
    // attempt fails, which no file state makes happen on demand.
    using FileCopier = bool (*)(const std::wstring& strSource, const std::wstring& strDestination);

    ModeQuery(pwrio::IDevice& device, std::wstring strDestFile, std::wstring strSourceDir,
              FileCopier copyFile = CopyFileWhole);
    ~ModeQuery();
    ModeQuery(const ModeQuery&) = delete;
    ModeQuery& operator=(const ModeQuery&) = delete;

    bool ProbeChargeSupport();
    bool ProbeMusicSupport();
    // Reads the mode table and replaces the destination whole with the fitting style sheet
    // (two attempts). False when the table could not be read or both attempts failed, which
    // leave the destination as it was; Status() then says why.
    bool SelectAndCopyStyleSheet();

    // 0, the refusing answer's status word, the unanswered function code, or a system error.
    int32_t Status() const { return m_nStatus; }
    bool IsInterfaceOpen() const { return m_bInterfaceOpen; }
    bool IsChargeSupported() const { return m_bChargeSupported; }
    bool IsMusicSupported() const { return m_bMusicSupported; }
    int32_t EntryCount() const { return m_nEntryCount; }

private:
    enum class TableRead { Failed, Empty, Found };

    // Zeroes the block, fills in the request and exchanges it; false when the call failed.
    bool Send(const pwrio::RequestBlock& request);
    TableRead ReadModeTable(uint32_t& modeBits);
    bool CopyStyleSheet(const wchar_t* name);

    pwrio::IDevice& m_device;
    FileCopier m_copyFile;
    int32_t m_nStatus = 0;
    bool m_bDeviceOpen = false;
    pwrio::RequestBlock m_request;
    int32_t m_nEntryCount = 0;
    std::wstring m_strDestFile;
    std::wstring m_strSourceDir;
    bool m_bInterfaceOpen = false;
    bool m_bMusicSupported = false;
    bool m_bChargeSupported = false;
};
