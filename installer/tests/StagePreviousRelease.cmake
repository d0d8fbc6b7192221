# cmake -P StagePreviousRelease.cmake: an older release for the upgrade test, made from the
# staged suite: one style sheet differs and one file has since been dropped.
#   STAGING  the current staged suite      PREVIOUS  the folder to fill
file(REMOVE_RECURSE "${PREVIOUS}")
file(COPY "${STAGING}/" DESTINATION "${PREVIOUS}")
file(APPEND "${PREVIOUS}/CSS/Typical.css" "\n/* as the previous release shipped it */\n")
file(WRITE "${PREVIOUS}/Dropped.txt" "A file the current release no longer installs.\n")
