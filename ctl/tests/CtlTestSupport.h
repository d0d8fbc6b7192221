#pragma once
// What NodwellCtl's in-process tests share: the run against the simulated library with the
// settings program's registry values, call log and notification receiver of the settings tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "CtlMain.h"
#include "SettingsTestSupport.h"

// The settings program as built beside this test program, with its German module.
std::filesystem::path BuiltSettingsProgram();

// The calls up to and including the first commit.
std::vector<std::string> UpToCommit(const std::vector<std::string>& lines);

std::string Utf8(const std::wstring& text);

// Every value under HKEY_CURRENT_USER "Software\Corvane", by key and name: type and data.
using RegistryValues = std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>>;
RegistryValues CorvaneRegistryValues();

class CtlTest : public ::testing::Test {
protected:
    // Runs NodwellCtl with the settings program's texts in the given primary language (0: the user's).
    int Run(const std::vector<std::wstring>& arguments, WORD wPrimaryLang = 0);

    SettingsKeyGuard settings;
    SimulatedMachineKey machine;
    CallLog log{machine};
    NotificationReceiver receiver;
    ctl::Output output;
};
