# Fails when a source the command line compiles names a header of the window model. The
# command line runs the program without its window (program/) over the core; the window's
# elements, its shared record, its texts and the commands that drive them stay out of its
# sight, as they stay out of its link.
# Run as: cmake -DFACE_SOURCES="a.cpp;b.h" [-DFACE_ALLOWED="x.h;y.h"] -P CheckFaceIncludes.cmake
# FACE_ALLOWED names headers of those folders a group of sources may include all the same.
cmake_policy(SET CMP0057 NEW)
set(allowed ${FACE_ALLOWED})
set(faults "")
foreach(source IN LISTS FACE_SOURCES)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(app|commands|ui)/")
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
