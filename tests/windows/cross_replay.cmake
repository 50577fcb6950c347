# The same game on Linux and on Windows: one session (every kind of input, then the automatic
# signalman to the end of the shift) played by both consoles from the same seed must print the
# same transcript, and each one's replay must verify with the other console.
# -DNATIVE=Linux kv41-console -DWINDOWS=kv41-console.exe -DEMULATOR=wine -DSOURCE=tests/replay
# -DWORKDIR=dir -DSHIFT=1..5 -DLEVEL=1..5 -DRULES=BR|WR|LMR -DSEED=n
function(run dir out)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${dir}
                  OUTPUT_VARIABLE text ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} in ${dir}: exit status ${rc}\n${err}\n${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR}/linux ${WORKDIR}/windows ${WORKDIR}/linux-on-windows
     ${WORKDIR}/windows-on-linux)
configure_file(${SOURCE}/session.kv41.in ${WORKDIR}/session.kv41 @ONLY)
file(APPEND ${WORKDIR}/session.kv41 "auto on\nshow game\nshow train all\nshow lever all\n")

run(${WORKDIR}/linux linux ${NATIVE} --dir . --seed ${SEED} --record replay.kv41 ../session.kv41)
run(${WORKDIR}/windows windows ${EMULATOR} ${WINDOWS} --dir . --seed ${SEED} --record replay.kv41
    ../session.kv41)
if(NOT linux STREQUAL windows)
  file(WRITE ${WORKDIR}/linux.txt "${linux}")
  file(WRITE ${WORKDIR}/windows.txt "${windows}")
  execute_process(COMMAND diff -u ${WORKDIR}/linux.txt ${WORKDIR}/windows.txt OUTPUT_VARIABLE d)
  message(FATAL_ERROR "the two builds play different games from one seed:\n${d}")
endif()
if(NOT linux MATCHES "rating: ")
  message(FATAL_ERROR "the session did not reach the end of the shift:\n${linux}")
endif()

run(${WORKDIR}/linux-on-windows verified ${EMULATOR} ${WINDOWS} --dir . --verify ../linux/replay.kv41)
if(NOT verified MATCHES "verify: the replay reproduces its recording")
  message(FATAL_ERROR "the Linux replay does not verify on Windows:\n${verified}")
endif()
run(${WORKDIR}/windows-on-linux verified ${NATIVE} --dir . --verify ../windows/replay.kv41)
if(NOT verified MATCHES "verify: the replay reproduces its recording")
  message(FATAL_ERROR "the Windows replay does not verify on Linux:\n${verified}")
endif()
