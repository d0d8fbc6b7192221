// Stylepick.exe: installs the information page's style sheet that fits this machine.
#include <iostream>

#include "PwrioDevice.h"
#include "StylepickMain.h"

int wmain(int argc, wchar_t** argv) {
    pwrio::Device device;
    const int exitCode = stylepick::StylepickMain({argv + 1, argv + argc}, device, std::cout);
    std::cout.flush();
    return exitCode;
}
