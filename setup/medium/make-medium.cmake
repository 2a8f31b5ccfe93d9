# Lays out the installation medium: the launcher at its root, the product installer with
# the program's folder beside it in W_disk_1/, the runtime installer in W_disk_2/. Both
# installers keep the names the launcher runs.
#
#   cmake -DMEDIUM=<folder> -DLAUNCHER=<setup> -DPROGRAM=<tavrin> -DPROGRAM_DIR=<its folder>
#         -DSCRIPTS=<this folder> -DSTAMP=<file> [-DENGINE=<web engine module>] -P make-medium.cmake
foreach(var MEDIUM LAUNCHER PROGRAM PROGRAM_DIR SCRIPTS STAMP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make-medium.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${MEDIUM}")
set(payload "${MEDIUM}/W_disk_1/tavrin")
file(MAKE_DIRECTORY "${payload}" "${MEDIUM}/W_disk_2")
file(COPY "${PROGRAM}" "${PROGRAM_DIR}/README.md" "${PROGRAM_DIR}/Hyther_DB" "${PROGRAM_DIR}/W_GIF" DESTINATION "${payload}")
if(ENGINE)
  file(COPY "${ENGINE}" DESTINATION "${payload}")
endif()
file(COPY "${LAUNCHER}" DESTINATION "${MEDIUM}")
# Each installer stands alone on the medium: the window part both share goes into each in
# place of the line that reads it beside the script.
set(reads_window [=[# shellcheck source=window.sh
. "$(dirname "$0")/window.sh"]=])
file(READ "${SCRIPTS}/window.sh" window)
foreach(installer "product-installer.sh=W_disk_1/SETUP.exe" "runtime-installer.sh=W_disk_2/AccessRuntime.exe")
  string(REPLACE "=" ";" names "${installer}")
  list(GET names 0 source)
  list(GET names 1 target)
  file(READ "${SCRIPTS}/${source}" text)
  string(FIND "${text}" "${reads_window}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${source} does not read window.sh as the medium expects")
  endif()
  string(REPLACE "${reads_window}" "${window}" text "${text}")
  file(WRITE "${MEDIUM}/${target}" "${text}")
endforeach()
file(CHMOD "${MEDIUM}/W_disk_1/SETUP.exe" "${MEDIUM}/W_disk_2/AccessRuntime.exe"
     PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(TOUCH "${STAMP}")
