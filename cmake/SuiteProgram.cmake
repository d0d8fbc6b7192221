# Programs of the suite: every one is a static, wide-character PE32 with a manifest and a
# version resource, installed into the suite's folder under Program Files.

set(SUITE_INSTALL_DIR "Corvane/Corvane Vezuv Uvodoza")
set(SUITE_COMPANY "Corvane")
set(SUITE_PRODUCT "Corvane Vezuv Uvodoza")
set(SUITE_VERSION_COMMAS "1,0,0,0")
set(SUITE_VERSION_DOTS "1.0.0.0")
set(SUITE_TEMPLATES "${CMAKE_CURRENT_LIST_DIR}/templates")

# suite_add_program(<target> CONSOLE|WINDOWS
#                   [OUTPUT_NAME <file name without .exe>] DESCRIPTION <text>
#                   [EXECUTION_LEVEL asInvoker|requireAdministrator] [DPI_AWARE]
#                   [NOT_INSTALLED] SOURCES ... [LIBRARIES ...])
# NOT_INSTALLED: built as a program of the suite is, but no part of it (a benchmark's yardstick).
function(suite_add_program target)
  cmake_parse_arguments(ARG "CONSOLE;WINDOWS;DPI_AWARE;NOT_INSTALLED" "OUTPUT_NAME;DESCRIPTION;EXECUTION_LEVEL"
                        "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_OUTPUT_NAME)
    set(ARG_OUTPUT_NAME ${target})
  endif()
  if(NOT ARG_EXECUTION_LEVEL)
    set(ARG_EXECUTION_LEVEL asInvoker)
  endif()
  set(PROGRAM_NAME ${ARG_OUTPUT_NAME})
  set(PROGRAM_DESCRIPTION ${ARG_DESCRIPTION})
  set(PROGRAM_EXECUTION_LEVEL ${ARG_EXECUTION_LEVEL})
  if(ARG_DPI_AWARE)
    set(PROGRAM_DPI_AWARE "true")
  else()
    set(PROGRAM_DPI_AWARE "false")
  endif()
  set(manifest "${CMAKE_CURRENT_BINARY_DIR}/${ARG_OUTPUT_NAME}.exe.manifest")
  set(PROGRAM_MANIFEST ${manifest})
  configure_file("${SUITE_TEMPLATES}/program.manifest.in" "${manifest}" @ONLY)
  configure_file("${SUITE_TEMPLATES}/program.rc.in" "${CMAKE_CURRENT_BINARY_DIR}/${target}_program.rc" @ONLY)

  add_executable(${target} ${ARG_SOURCES} "${CMAKE_CURRENT_BINARY_DIR}/${target}_program.rc")
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME})
  set_property(SOURCE "${CMAKE_CURRENT_BINARY_DIR}/${target}_program.rc" APPEND PROPERTY OBJECT_DEPENDS "${manifest}")
  if(ARG_WINDOWS)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE TRUE)
  endif()
  # Wine copies into the process's private memory every section of an image it cannot map
  # from the file page by page: the static runtimes' debug sections and, at the linker's
  # default file alignment, all the others too.
  target_link_options(${target} PRIVATE -municode -Wl,--file-alignment=4096 $<$<CONFIG:Release>:-s>)
  if(ARG_LIBRARIES)
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
  endif()
  suite_sign(${target})
  if(NOT ARG_NOT_INSTALLED)
    install(TARGETS ${target} RUNTIME DESTINATION "${SUITE_INSTALL_DIR}")
  endif()
endfunction()
