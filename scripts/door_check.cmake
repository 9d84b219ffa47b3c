# door_check.cmake: after a library of the game is built, reads what its
# objects included, as the compiler wrote it down, and fails the build on a
# header behind the door: one in a folder the library may not see, or the
# game's own globals (final.h) seen from an option. The library is removed
# with the failure, so the next build looks again.
#   cmake -DSOURCE=src -DLIBRARY=lib.a "-DFORBIDDEN=score;sound" "-DOBJECTS=a.o;b.o" -P door_check.cmake
foreach(object IN LISTS OBJECTS)
  if(NOT EXISTS "${object}.d")
    continue()
  endif()
  file(READ "${object}.d" dependencies)
  # A header reached through "..", as callouts/../final.h, is the one it names.
  string(REPLACE "/./" "/" dependencies "${dependencies}")
  set(before "")
  while(NOT dependencies STREQUAL before)
    set(before "${dependencies}")
    string(REGEX REPLACE "/[^/ \n.][^/ \n]*/\\.\\./" "/" dependencies "${dependencies}")
  endwhile()
  foreach(forbidden IN LISTS FORBIDDEN)
    string(FIND "${dependencies}" "${SOURCE}/${forbidden}" found)
    if(found GREATER -1)
      file(REMOVE "${LIBRARY}")
      message(FATAL_ERROR "${object} includes ${SOURCE}/${forbidden}, behind the option door")
    endif()
  endforeach()
endforeach()
