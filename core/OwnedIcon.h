#pragma once
// Owner of an icon loaded at a size of its own (not shared), destroyed when the owner goes.
#include <windows.h>

#include <memory>
#include <type_traits>

struct IconDeleter {
    void operator()(HICON hIcon) const { ::DestroyIcon(hIcon); }
};

using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
