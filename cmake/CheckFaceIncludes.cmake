# Fails when a source of the command line names a header of the window model. The command
# line runs the program through program/Workbench.h with typed values; the window's
# elements, its shared record and the commands that drive them stay out of its sight.
# Run as: cmake -DFACE_SOURCES="a.cpp;b.h" [-DFACE_ALLOWED="x.h;y.h"] -P CheckFaceIncludes.cmake
# FACE_ALLOWED names the further headers a group of sources may include.
cmake_policy(SET CMP0057 NEW)
set(allowed "app/CommandResult.h" "app/AppTexts.h" "app/Version.h" "program/Workbench.h"
    ${FACE_ALLOWED})
set(faults "")
foreach(source IN LISTS FACE_SOURCES)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(app|commands|program|ui)/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header IN_LIST allowed)
      list(APPEND faults "${source}: ${header}")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n  " shown)
  message(FATAL_ERROR "The command line must not include the window's headers:\n  ${shown}")
endif()
