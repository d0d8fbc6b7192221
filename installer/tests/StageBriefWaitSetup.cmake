# cmake -P StageBriefWaitSetup.cmake: the staged suite with the never-ending stand-in in place
# of the programs the setup carries and waits for, for the test of the setup's waits.
#   STAGING  the current staged suite      OUT  the folder to fill      STAND_IN  the stand-in
file(REMOVE_RECURSE "${OUT}")
file(COPY "${STAGING}/" DESTINATION "${OUT}")
foreach(program Portsense.exe Stylepick.exe Menuglot.exe)
  file(COPY_FILE "${STAND_IN}" "${OUT}/${program}")
endforeach()
