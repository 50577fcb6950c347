# Records a console session as a replay and checks the replay: it must run to the end state it
# recorded (--verify), save byte for byte the positions the session saved, and, cut at a line,
# run to the state the whole replay has at that line.
# -DCONSOLE=kv41-console -DWORKDIR=dir -DSHIFT=1..5 -DLEVEL=1..5 -DRULES=BR|WR|LMR -DSEED=n
# -DSOURCE=this directory [-DEMULATOR=wine, which runs the console]
function(run_console dir out)
  execute_process(COMMAND ${EMULATOR} ${CONSOLE} --dir ${dir} ${ARGN} WORKING_DIRECTORY ${dir}
                  OUTPUT_VARIABLE text ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kv41-console ${ARGN} in ${dir} exit status ${rc}\n${err}\n${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Every position saved in dir a is in dir b with the same bytes.
function(same_saves a b)
  file(GLOB saves RELATIVE ${a} ${a}/*.sav)
  if(NOT saves)
    message(FATAL_ERROR "the session in ${a} saved nothing")
  endif()
  foreach(save ${saves})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a}/${save} ${b}/${save}
                    RESULT_VARIABLE differ)
    if(differ)
      message(FATAL_ERROR "the replay's ${save} differs from the session's")
    endif()
  endforeach()
endfunction()

# Records script (in dir) into dir/replay.kv41 and checks the replay in dir/again.
function(check_replay dir script)
  run_console(${dir} played --seed ${SEED} --record replay.kv41 ${script})
  file(MAKE_DIRECTORY ${dir}/again)
  run_console(${dir}/again verified --verify ../replay.kv41)
  if(NOT verified MATCHES "verify: the replay reproduces its recording")
    message(FATAL_ERROR "${verified}")
  endif()
  same_saves(${dir} ${dir}/again)

  # Cut two thirds into the inputs: the cut replay ends where the whole one stands at that line.
  file(STRINGS ${dir}/replay.kv41 lines)
  list(LENGTH lines count)
  set(start 0)
  set(inputs ${count})
  set(i 0)
  foreach(line ${lines})
    math(EXPR i "${i} + 1")
    if(line MATCHES "^option autosave")
      set(start ${i})
    elseif(line MATCHES "^# end " AND inputs EQUAL count)
      math(EXPR inputs "${i} - 1")
    endif()
  endforeach()
  math(EXPR cut "${start} + (${inputs} - ${start}) * 2 / 3")
  list(SUBLIST lines 0 ${cut} head)
  list(SUBLIST lines ${cut} -1 tail)
  string(REPLACE ";" "\n" head "${head}")
  string(REPLACE ";" "\n" tail "${tail}")
  file(MAKE_DIRECTORY ${dir}/cut ${dir}/whole)
  set(look "show game\nshow lever all\nshow box all\nshow train all\n")
  file(WRITE ${dir}/cut/cut.kv41 "${head}\n${look}")
  file(WRITE ${dir}/whole/whole.kv41 "${head}\nshow game\n${look}${tail}\n")
  run_console(${dir}/cut cutOut cut.kv41)
  run_console(${dir}/whole wholeOut whole.kv41)
  string(REGEX MATCHALL "(^|\n)(game|lever|box|train) [^\n]*" cutState "${cutOut}")
  string(REGEX MATCHALL "(^|\n)(game|lever|box|train) [^\n]*" wholeState "${wholeOut}")
  list(LENGTH cutState n)
  list(SUBLIST wholeState 1 ${n} wholeAtCut)  # the first "show game" marks the cut
  if(NOT cutState STREQUAL wholeAtCut)
    message(FATAL_ERROR "the replay cut at line ${cut} does not stand where the whole one does")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR}/new ${WORKDIR}/resumed)
configure_file(${SOURCE}/session.kv41.in ${WORKDIR}/new/session.kv41 @ONLY)
check_replay(${WORKDIR}/new session.kv41)

# A session begun from the position that the first one saved.
configure_file(${WORKDIR}/new/second.sav ${WORKDIR}/resumed/start.position COPYONLY)
set(SAVED start.position)
configure_file(${SOURCE}/resume.kv41.in ${WORKDIR}/resumed/resume.kv41 @ONLY)
check_replay(${WORKDIR}/resumed resume.kv41)
