# The product: 32-bit Windows programs (PE32, i686).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)
set(SUITE_VARIANT x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
