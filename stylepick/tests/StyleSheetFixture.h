#pragma once
// A scratch folder holding the six style sheets (each file's content is its own name) and an
// existing destination file, so that a test can tell which sheet was copied over it.
#include <algorithm>
#include <string>
#include <vector>

#include "SuiteFolders.h"

class StyleSheetFolder {
public:
    static constexpr const wchar_t* kSheets[] = {L"Typical.css",   L"Typical_SM.css", L"Alternate.css",
                                                 L"Alternate_SM.css", L"Apple2A.css",   L"Apple2A_SM.css"};
    static constexpr char kOriginalDestination[] = "original destination";

    StyleSheetFolder() {
        std::filesystem::create_directory(m_folder / L"CSS");
        for (const wchar_t* sheet : kSheets) {
            testsupport::WriteTextFile(m_folder / (std::wstring(L"CSS\\") + sheet), Narrow(sheet));
        }
        testsupport::WriteTextFile(Destination(), kOriginalDestination);
    }

    std::wstring Root() const { return m_folder.Path().wstring(); }
    // The source folder with its trailing backslash, as callers give it.
    std::wstring SourceDir() const { return (m_folder / L"CSS").wstring() + L"\\"; }
    std::wstring Destination() const { return (m_folder / L"auto.css").wstring(); }
    // What the destination holds now: a sheet's name, or the original text.
    std::string DestinationContent() const { return testsupport::ReadTextFile(Destination()); }
    // Names of the files beside the destination, itself included, sorted.
    std::vector<std::wstring> FilesBesideDestination() const {
        std::vector<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path())) {
            if (entry.is_regular_file()) names.push_back(entry.path().filename().wstring());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

private:
    testsupport::ScratchFolder m_folder;
};

// The current folder set to another one for a scope, for the default source ".\CSS\".
class CurrentFolder {
public:
    explicit CurrentFolder(const std::wstring& folder) : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(m_previous); }

private:
    std::filesystem::path m_previous;
};

