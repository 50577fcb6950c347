# Runs one console scenario and compares its output with the .expected file beside it.
# The first line of the script may read "# args: ..." to pass arguments (for instance a seed),
# and "# status: N" the expected exit status (0 when absent). EMULATOR, when set, runs the
# console (Wine, for the Windows build).
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
file(STRINGS ${SCRIPT} header REGEX "^# (args|status): ")
set(args "")
set(status 0)
foreach(line ${header})
  if(line MATCHES "^# args: (.*)$")
    separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# status: ([0-9]+)$")
    set(status ${CMAKE_MATCH_1})
  endif()
endforeach()
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${EMULATOR} ${CONSOLE} --dir ${WORKDIR} ${args} ${SCRIPT}
                WORKING_DIRECTORY ${WORKDIR}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(WRITE ${WORKDIR}/actual.txt "${out}")
if(NOT rc EQUAL status)
  message(FATAL_ERROR "exit status ${rc}, expected ${status}\n${err}\n${out}")
endif()
file(READ ${dir}/${name}.expected expected)
if(NOT out STREQUAL expected)
  execute_process(COMMAND diff -u ${dir}/${name}.expected ${WORKDIR}/actual.txt OUTPUT_VARIABLE d)
  message(FATAL_ERROR "output differs from ${name}.expected:\n${d}")
endif()
