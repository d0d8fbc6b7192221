#pragma once
// "Mode" exactly as it is stored, type and data, or its absence, to put back when a change is
// not applied: a value another program or a person stored there survives a failed change, even
// one the settings program would not read.
#include <windows.h>

#include <optional>
#include <vector>

namespace ctl {

class SavedModeValue {
public:
    SavedModeValue();
    void PutBack() const;

private:
    struct Stored {
        DWORD dwType;
        std::vector<BYTE> data;
    };
    std::optional<Stored> m_stored;
};

}  // namespace ctl
