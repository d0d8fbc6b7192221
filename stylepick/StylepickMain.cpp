#include "StylepickMain.h"

#include <windows.h>

#include "ModeQuery.h"

namespace stylepick {
namespace {

bool IsOption(const std::wstring& argument, const wchar_t* option) {
    return CompareStringOrdinal(argument.c_str(), -1, option, -1, TRUE) == CSTR_EQUAL;
}

int InstallStyleSheet(pwrio::IDevice& device, const std::wstring& destFile, const std::wstring& sourceDir) {
    ModeQuery query(device, destFile, sourceDir);
    // Closing the interface afterwards may change the status; the answer is fixed here.
    return query.SelectAndCopyStyleSheet() ? kExitSuccess : query.Status();
}

}  // namespace

int StylepickMain(const std::vector<std::wstring>& arguments, pwrio::IDevice& device, std::ostream& out) {
    if (arguments.size() > 3) return kExitCommandLineError;
    if (arguments.empty()) {
        out << kUsageText;
        return kExitSuccess;
    }
    if (arguments.size() == 1) {
        if (IsOption(arguments[0], L"/?")) {
            out << kUsageText;
            return kExitSuccess;
        }
        out << kParameterErrorText;
        return kExitCommandLineError;
    }
    if (!IsOption(arguments[0], L"/path")) {
        out << kParameterErrorText;
        return kExitCommandLineError;
    }
    return InstallStyleSheet(device, arguments[1], arguments.size() == 3 ? arguments[2] : std::wstring());
}

}  // namespace stylepick
