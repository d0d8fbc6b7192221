#include "ProfileBuffer.h"

namespace storage {

std::vector<std::wstring> splitList(const std::wstring& list) {
    std::vector<std::wstring> names;
    std::size_t start = 0;
    while (start < list.size() && list[start] != L'\0') {
        const std::size_t end = list.find(L'\0', start);
        const std::size_t stop = end == std::wstring::npos ? list.size() : end;
        names.push_back(list.substr(start, stop - start));
        start = stop + 1;
    }
    return names;
}

}  // namespace storage
