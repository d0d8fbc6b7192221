#pragma once
#include <windows.h>

#include <filesystem>

namespace testsupport {

// Saves the window as it appears on the screen, frame included, as a 24-bit BMP file.
bool CaptureWindow(HWND window, const std::filesystem::path& bmpFile);

}  // namespace testsupport
