# What differs between the 32-bit product and the 64-bit variant of the same code, for the
# build and, through variant.sh in the build folder, for the scripts.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(SUITE_VARIANT x86)
  # 32-bit programs in a 64-bit Windows see this one as their Program Files folder.
  set(SUITE_PROGRAM_FILES "Program Files (x86)")
  set(SUITE_NSIS_TARGET x86-unicode)
  # The programs' manifests name their own processor, and the common controls of that processor.
  set(SUITE_MANIFEST_ARCH x86)
else()
  set(SUITE_VARIANT x64)
  set(SUITE_PROGRAM_FILES "Program Files")
  set(SUITE_NSIS_TARGET amd64-unicode)
  set(SUITE_MANIFEST_ARCH amd64)
endif()

file(WRITE "${CMAKE_BINARY_DIR}/variant.sh"
     "# Written by the build: the variant this build folder holds.\n"
     "SUITE_VARIANT=${SUITE_VARIANT}\n"
     "SUITE_PROGRAM_FILES='${SUITE_PROGRAM_FILES}'\n")
