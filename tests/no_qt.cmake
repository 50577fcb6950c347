# Fails when any file under the core includes a Qt header.
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
foreach(f ${files})
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(hits)
    message(FATAL_ERROR "${f} includes a Qt header: ${hits}")
  endif()
endforeach()
