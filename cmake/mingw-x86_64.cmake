# The 64-bit variant (PE32+, x86-64), for machines that cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(SUITE_VARIANT x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
