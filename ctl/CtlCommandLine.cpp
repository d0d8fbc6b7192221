#include "CtlCommandLine.h"

#include <windows.h>

#include <cwctype>

namespace ctl {
namespace {

constexpr int kMinLimit = 2;
constexpr int kMaxLimit = 99;

bool Same(const std::wstring& text, const wchar_t* szWord) {
    return ::CompareStringOrdinal(text.c_str(), -1, szWord, -1, TRUE) == CSTR_EQUAL;
}

ParsedCommandLine Error(const std::wstring& strError) { return {std::nullopt, strError}; }

std::optional<bool> OnOff(const std::wstring& value) {
    if (Same(value, L"on")) return true;
    if (Same(value, L"off")) return false;
    return std::nullopt;
}

// Decimal digits only, so that "1e2", "+5" or " 5" are refused rather than half read.
std::optional<int> Limit(const std::wstring& value) {
    if (value.empty() || value.size() > 2) return std::nullopt;
    int nLimit = 0;
    for (wchar_t c : value) {
        if (!std::iswdigit(c)) return std::nullopt;
        nLimit = nLimit * 10 + (c - L'0');
    }
    if (nLimit < kMinLimit || nLimit > kMaxLimit) return std::nullopt;
    return nLimit;
}

bool IsSetOption(const std::wstring& option) {
    for (const wchar_t* szName : {L"--charge", L"--mode", L"--battery", L"--limit", L"--music"}) {
        if (Same(option, szName)) return true;
    }
    return false;
}

// Reads one option of set with its value into the request; an error text when the value is wrong.
std::wstring ReadSetOption(const std::wstring& option, const std::wstring& value, Request& request) {
    if (Same(option, L"--mode")) {
        if (value.empty()) return L"--mode takes a mode's code or name";
        request.mode = value;
        return {};
    }
    if (Same(option, L"--limit")) {
        request.limit = Limit(value);
        return request.limit ? std::wstring() : L"--limit takes a whole number from 2 to 99, not \"" + value + L"\"";
    }
    const std::optional<bool> on = OnOff(value);
    if (!on) return option + L" takes on or off, not \"" + value + L"\"";
    if (Same(option, L"--charge")) request.charge = on;
    if (Same(option, L"--battery")) request.battery = on;
    if (Same(option, L"--music")) request.music = on;
    return {};
}

bool IsHelp(const std::wstring& argument) { return Same(argument, L"--help") || argument == L"/?"; }

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments) {
    // Help only alone: anywhere else it would turn a change a script asked for into "done".
    if (arguments.size() == 1 && IsHelp(arguments[0])) return {Request{}, {}};
    for (const std::wstring& argument : arguments) {
        if (IsHelp(argument)) return Error(argument + L" stands alone on the command line");
    }
    if (arguments.empty()) return Error(L"a command is missing");

    Request request;
    const std::wstring& command = arguments[0];
    if (Same(command, L"status")) {
        request.command = Command::Status;
    } else if (Same(command, L"set")) {
        request.command = Command::Set;
    } else if (Same(command, L"defaults")) {
        request.command = Command::Defaults;
    } else {
        return Error(L"unknown command " + command);
    }

    std::vector<std::wstring> seen;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::wstring& option = arguments[i];
        for (const std::wstring& earlier : seen) {
            if (Same(option, earlier.c_str())) return Error(option + L" is given twice");
        }
        seen.push_back(option);
        if (Same(option, L"--json")) {
            request.bJson = true;
            continue;
        }
        if (request.command != Command::Set || !IsSetOption(option)) {
            return Error(L"unknown option " + option + L" for " + command);
        }
        if (i + 1 == arguments.size()) return Error(option + L" needs a value");
        const std::wstring strError = ReadSetOption(option, arguments[++i], request);
        if (!strError.empty()) return Error(strError);
    }
    if (request.command == Command::Set && !request.charge && !request.mode && !request.battery && !request.limit &&
        !request.music) {
        return Error(L"set needs at least one option that changes something");
    }
    return {request, {}};
}

bool AsksForJson(const std::vector<std::wstring>& arguments) {
    for (const std::wstring& argument : arguments) {
        if (Same(argument, L"--json")) return true;
    }
    return false;
}

}  // namespace ctl
