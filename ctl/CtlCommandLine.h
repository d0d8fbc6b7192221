#pragma once
// NodwellCtl's command line: a command (status, set, defaults) and its options, or --help
// alone.
#include <optional>
#include <string>
#include <vector>

namespace ctl {

inline constexpr wchar_t kUsageText[] =
    L"Reads and sets what the notebook does while it sleeps or is off.\n"
    L"\n"
    L"  NodwellCtl status [--json]\n"
    L"  NodwellCtl set [--charge on|off] [--mode CODE|NAME] [--battery on|off]\n"
    L"                 [--limit 2..99] [--music on|off] [--json]\n"
    L"  NodwellCtl defaults [--json]\n"
    L"  NodwellCtl --help\n"
    L"\n"
    L"set changes only what it names, keeps everything else as the machine has it, and\n"
    L"applies it as the settings program's Apply does; defaults applies what the settings\n"
    L"program's Default button chooses. Both apply nothing where nothing would change, and\n"
    L"then print what the machine has, as status does.\n"
    L"\n"
    L"Exit codes: 0 done, 1 usage error, 2 no feature library, 3 changes not allowed,\n"
    L"4 the settings program or another NodwellCtl is busy, 5 a library call failed and\n"
    L"nothing changed, 6 a library call failed and the change is applied wholly or in part.\n";

enum class Command { Help, Status, Set, Defaults };

struct Request {
    Command command = Command::Help;
    bool bJson = false;
    // What set changes; each is left as the machine has it when not named.
    std::optional<bool> charge;
    std::optional<std::wstring> mode;  // a code or a label, matched against the machine's modes
    std::optional<bool> battery;
    std::optional<int> limit;
    std::optional<bool> music;
};

// The request, or why the command line is wrong.
struct ParsedCommandLine {
    std::optional<Request> request;
    std::wstring strError;
};

// arguments: the command line without the program's name.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments);

// Whether the arguments ask for JSON, also where they are wrong: the script that asked then
// reads the usage error as JSON too.
bool AsksForJson(const std::vector<std::wstring>& arguments);

}  // namespace ctl
