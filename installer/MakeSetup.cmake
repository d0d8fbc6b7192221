# cmake -P MakeSetup.cmake: writes the file lists of a staged suite and compiles the setup.
#   STAGING  staged suite      VERSION  its version      OUTFILE  the setup program
#   SCRIPT   Setup.nsi         LISTS    folder for the generated lists
#   APP_ICON the setup's icon  MAKENSIS the compiler
#   TARGET   NSIS's target (x86-unicode or amd64-unicode)
#   PROGRAM_WAIT_MS  optional: how long the setup waits for a program it runs (tests lower it)
#   SIGN_COMMAND     optional: a shell command that signs the file named after it in place
#   TEST_HOOKS       optional: a test build that its environment can stop dead or have
#                    write a file short
# The size and SHA-256 of each file are taken here, from the very file makensis packs.
# makensis runs only when the staged files, the scripts or the version changed.

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${STAGING}" "${STAGING}/*")
list(SORT files)
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE "${STAGING}" "${STAGING}/*")
list(FILTER folders EXCLUDE REGEX "^$")
set(dirs "")
foreach(entry IN LISTS folders)
  if(IS_DIRECTORY "${STAGING}/${entry}")
    list(APPEND dirs "${entry}")
  endif()
endforeach()

function(windows_path out relative)
  string(REPLACE "/" "\\" path "${relative}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

# Staging: one SetOutPath per folder, then its files, each with what it is checked against.
set(install_lines "")
set(release_lines "")
set(folder_lines "")
set(current_folder "-")
set(fingerprint "${VERSION} ${TARGET} ${PROGRAM_WAIT_MS} ${SIGN_COMMAND} ${TEST_HOOKS}")
set(optional_defines "")
if(PROGRAM_WAIT_MS)
  list(APPEND optional_defines "-DPROGRAM_WAIT_MS=${PROGRAM_WAIT_MS}")
endif()
if(SIGN_COMMAND)
  list(APPEND optional_defines "-DSIGN_COMMAND=${SIGN_COMMAND}")
endif()
if(TEST_HOOKS)
  list(APPEND optional_defines "-DTEST_HOOKS")
endif()
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  if(NOT folder STREQUAL current_folder)
    windows_path(win_folder "${folder}")
    if(folder STREQUAL "")
      string(APPEND install_lines "SetOutPath \"$WorkFolder\\files\"\n")
    else()
      string(APPEND install_lines "SetOutPath \"$WorkFolder\\files\\${win_folder}\"\n")
    endif()
    set(current_folder "${folder}")
  endif()
  windows_path(win_file "${file}")
  file(SHA256 "${STAGING}/${file}" hash)
  file(SIZE "${STAGING}/${file}" size)
  string(APPEND install_lines "!insertmacro STAGE_FILE \"${STAGING}/${file}\" \"${win_file}\" ${size} ${hash}\n")
  string(APPEND release_lines "!insertmacro RELEASE_FILE \"${win_file}\"\n")
  string(APPEND fingerprint "${file} ${hash}\n")
endforeach()

# The release's folders, deepest first, each removed only when empty.
set(by_depth "")
foreach(dir IN LISTS dirs)
  string(REGEX MATCHALL "/" slashes "${dir}")
  list(LENGTH slashes depth)
  math(EXPR key "1000 - ${depth}")
  list(APPEND by_depth "${key}|${dir}")
endforeach()
list(SORT by_depth)
foreach(entry IN LISTS by_depth)
  string(REGEX REPLACE "^[0-9]+\\|" "" dir "${entry}")
  windows_path(win_dir "${dir}")
  string(APPEND folder_lines "RMDir \"$INSTDIR\\${win_dir}\"\n")
endforeach()

file(MAKE_DIRECTORY "${LISTS}")
file(WRITE "${LISTS}/InstallFiles.nsh" "${install_lines}")
file(WRITE "${LISTS}/ReleaseFiles.nsh" "${release_lines}")
file(WRITE "${LISTS}/RemoveFolders.nsh" "${folder_lines}")

get_filename_component(script_dir "${SCRIPT}" DIRECTORY)
file(GLOB scripts "${script_dir}/*.nsi" "${script_dir}/*.nsh" "${script_dir}/*.ini" "${script_dir}/res/*")
foreach(script IN LISTS scripts APP_ICON)
  file(SHA256 "${script}" hash)
  string(APPEND fingerprint "${script} ${hash}\n")
endforeach()
string(SHA256 fingerprint "${fingerprint}")
set(stamp "${OUTFILE}.fingerprint")
if(EXISTS "${OUTFILE}" AND EXISTS "${stamp}")
  file(READ "${stamp}" previous)
  if(previous STREQUAL fingerprint)
    return()
  endif()
endif()

execute_process(COMMAND "${MAKENSIS}" -V2 -WX -NOCD
                        "-DSTAGING=${STAGING}" "-DVERSION=${VERSION}" "-DOUTFILE=${OUTFILE}"
                        "-DAPP_ICON=${APP_ICON}" "-DTARGET=${TARGET}"
                        "-DFILE_LIST=${LISTS}/InstallFiles.nsh" "-DRELEASE_LIST=${LISTS}/ReleaseFiles.nsh"
                        "-DFOLDER_LIST=${LISTS}/RemoveFolders.nsh"
                        ${optional_defines}
                        "${SCRIPT}"
                WORKING_DIRECTORY "${script_dir}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUTFILE}" "${stamp}")
  message(FATAL_ERROR "makensis failed for ${SCRIPT}")
endif()
file(WRITE "${stamp}" "${fingerprint}")
message(STATUS "Setup program: ${OUTFILE}")
