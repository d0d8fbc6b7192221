# cmake -P StageSuite.cmake: lays the suite out in STAGING as `cmake --install` does, so the
# setup packages exactly what the build installs.
#   BINARY_DIR  the build folder      CONFIG  its configuration
#   STAGING     the folder to fill    FEATURE_LIBRARY  optional: the maker's NodwellLib.dll,
#               packaged in place of the simulated one
file(REMOVE_RECURSE "${STAGING}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BINARY_DIR}" --config "${CONFIG}" --prefix "${STAGING}"
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Staging the suite failed: ${result}")
endif()
# The install rules name the suite's folder under Program Files; the setup places it itself.
file(GLOB suite_root LIST_DIRECTORIES true "${STAGING}/*/*")
list(LENGTH suite_root count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "Expected one suite folder in ${STAGING}, found: ${suite_root}")
endif()
file(RENAME "${suite_root}" "${STAGING}.tmp")
file(REMOVE_RECURSE "${STAGING}")
file(RENAME "${STAGING}.tmp" "${STAGING}")
if(FEATURE_LIBRARY)
  file(COPY_FILE "${FEATURE_LIBRARY}" "${STAGING}/NodwellLib.dll")
endif()
