# Writes the header that names the program's version: the project's version number and the
# source revision it was built from (git's short hash, "+" when the tree had changes). The file
# is rewritten only when the text changes, so that an unchanged revision rebuilds nothing.
# Called at every build with -DVERSION=... -DSOURCE=<source dir> -DOUT=<header>.
set(revision "unknown")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE} rev-parse --short HEAD
                  OUTPUT_VARIABLE hash RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
  if(rc EQUAL 0 AND hash)
    set(revision ${hash})
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE} status --porcelain --untracked-files=no
                    OUTPUT_VARIABLE changes ERROR_QUIET)
    if(changes)
      string(APPEND revision "+")
    endif()
  endif()
endif()
set(text "#pragma once\n#define KV41_VERSION_TEXT \"${VERSION} (${revision})\"\n")
if(EXISTS ${OUT})
  file(READ ${OUT} old)
endif()
if(NOT "${old}" STREQUAL "${text}")
  file(WRITE ${OUT} "${text}")
endif()
