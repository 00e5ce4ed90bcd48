# The data files beside the program must come out of the whole test suite
# exactly as the build made them, with nothing new beside them (no lock
# file, no journal).
#
#   cmake -DMODE=record|check -DDIR=<data folder> -DSTATE=<state file> -P built_files.cmake
#
# "record" runs before every other test and notes each file of the folder,
# with a hash of each database file; "check" runs after all of them and
# compares.
file(GLOB_RECURSE names RELATIVE ${DIR} ${DIR}/*)
list(SORT names)
set(state "")
foreach(name ${names})
  if(name MATCHES "\\.(ldb|part)$|-(journal|wal|shm)$")
    message(FATAL_ERROR "${DIR}/${name} should not exist")
  endif()
  if(name MATCHES "\\.dll$")
    file(SHA256 ${DIR}/${name} hash)
    string(APPEND state "${name} ${hash}\n")
  else()
    string(APPEND state "${name}\n")
  endif()
endforeach()

if(MODE STREQUAL "record")
  file(WRITE ${STATE} "${state}")
elseif(MODE STREQUAL "check")
  if(NOT EXISTS ${STATE})
    message(FATAL_ERROR "nothing was recorded in ${STATE}")
  endif()
  file(READ ${STATE} recorded)
  file(REMOVE ${STATE})
  if(NOT recorded STREQUAL state)
    message(FATAL_ERROR "the data folder changed during the tests.\nBefore:\n${recorded}\nAfter:\n${state}")
  endif()
else()
  message(FATAL_ERROR "MODE must be record or check")
endif()
