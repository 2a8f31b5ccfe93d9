# Lays out the installation medium: the launcher at its root, the product installer with
# the program's folder beside it in W_disk_1/, the runtime installer in W_disk_2/. Both
# installers keep the names the launcher runs. The programs go on the medium stripped: what
# a user installs carries no symbols or debugging information.
#
#   cmake -DMEDIUM=<folder> -DLAUNCHER=<setup> -DPROGRAM=<tavrin> -DPROGRAM_DIR=<its folder>
#         -DSCRIPTS=<this folder> -DSTRIP=<strip> -DSTAMP=<file> [-DENGINE=<web engine module>]
#         -P make-medium.cmake
foreach(var MEDIUM LAUNCHER PROGRAM PROGRAM_DIR SCRIPTS STRIP STAMP)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "make-medium.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${MEDIUM}")
set(payload "${MEDIUM}/W_disk_1/tavrin")
file(MAKE_DIRECTORY "${payload}" "${MEDIUM}/W_disk_2")
file(COPY "${PROGRAM}" "${PROGRAM_DIR}/tavrin.html" "${PROGRAM_DIR}/Hyther_DB" "${PROGRAM_DIR}/W_GIF" "${SCRIPTS}/tavrin.svg"
     DESTINATION "${payload}")
get_filename_component(program_name "${PROGRAM}" NAME)
set(stripped "${payload}/${program_name}")
if(ENGINE)
  file(COPY "${ENGINE}" DESTINATION "${payload}")
  get_filename_component(engine_name "${ENGINE}" NAME)
  list(APPEND stripped "${payload}/${engine_name}")
endif()
file(COPY "${LAUNCHER}" DESTINATION "${MEDIUM}")
get_filename_component(launcher_name "${LAUNCHER}" NAME)
list(APPEND stripped "${MEDIUM}/${launcher_name}")
foreach(binary IN LISTS stripped)
  # The module keeps the symbols the program looks up in it.
  execute_process(COMMAND "${STRIP}" --strip-unneeded "${binary}" RESULT_VARIABLE stripping)
  if(NOT stripping EQUAL 0)
    message(FATAL_ERROR "could not strip ${binary}")
  endif()
endforeach()
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
