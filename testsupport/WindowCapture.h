#pragma once
#include <windows.h>

#include <filesystem>

namespace testsupport {

enum class CaptureSource {
    Screen,   // what the screen shows, for any process's window
    Surface,  // the window's own drawing surface, for a window of this process: the screen may lag
};

// Saves the window as it appears, frame included, as a 24-bit BMP file.
bool CaptureWindow(HWND window, const std::filesystem::path& bmpFile, CaptureSource source = CaptureSource::Screen);

}  // namespace testsupport
