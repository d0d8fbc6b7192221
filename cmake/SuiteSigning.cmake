# Release signing: given a code-signing certificate, the build signs every program and library
# it makes for the install folder, the setup and the setup's uninstaller with SHA-256
# Authenticode. Each setting comes from the cache or, when that is empty, the environment, and
# is then kept in the cache, so that the build goes on signing when it configures itself again.
set(SUITE_SIGNING_CERTIFICATE "" CACHE FILEPATH
    "PKCS#12 file with the code-signing certificate and its key; empty: the build signs nothing")
set(SUITE_SIGNING_PASSWORD_FILE "" CACHE FILEPATH "File holding the PKCS#12 file's password")
set(SUITE_TIMESTAMP_URL "" CACHE STRING "RFC 3161 timestamp server; empty: signatures carry no timestamp")
set(SUITE_SIGNING_TRUST "/etc/ssl/certs/ca-certificates.crt" CACHE FILEPATH
    "Certificate authorities the signature test verifies the signed files against")

foreach(setting SUITE_SIGNING_CERTIFICATE SUITE_SIGNING_PASSWORD_FILE SUITE_TIMESTAMP_URL)
  if(NOT ${setting} AND DEFINED ENV{${setting}})
    set_property(CACHE ${setting} PROPERTY VALUE "$ENV{${setting}}")
  endif()
endforeach()

# SUITE_SIGN_COMMAND: the command that signs the PE file named after it, in place; empty
# when the build signs nothing.
set(SUITE_SIGN_COMMAND "")
if(SUITE_SIGNING_CERTIFICATE)
  find_program(OSSLSIGNCODE osslsigncode REQUIRED)
  foreach(file IN ITEMS "${SUITE_SIGNING_CERTIFICATE}" "${SUITE_SIGNING_PASSWORD_FILE}")
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
      message(FATAL_ERROR "Signing needs a PKCS#12 file and its password file: '${file}' is no file")
    endif()
  endforeach()
  set(SUITE_SIGN_COMMAND sh "${CMAKE_CURRENT_LIST_DIR}/sign-pe.sh")
  if(SUITE_TIMESTAMP_URL)
    list(APPEND SUITE_SIGN_COMMAND -t "${SUITE_TIMESTAMP_URL}")
  endif()
  list(APPEND SUITE_SIGN_COMMAND "${OSSLSIGNCODE}" "${SUITE_SIGNING_CERTIFICATE}"
       "${SUITE_SIGNING_PASSWORD_FILE}" "${SUITE_PRODUCT}")
  message(STATUS "Signing with ${SUITE_SIGNING_CERTIFICATE}")
else()
  message(STATUS "No signing certificate (SUITE_SIGNING_CERTIFICATE): the build signs nothing")
endif()

# suite_sign(<target>): the target's file is signed as soon as it is linked, before anything
# installs or packs it.
function(suite_sign target)
  if(SUITE_SIGN_COMMAND)
    add_custom_command(TARGET ${target} POST_BUILD COMMAND ${SUITE_SIGN_COMMAND} $<TARGET_FILE:${target}> VERBATIM)
  endif()
endfunction()
