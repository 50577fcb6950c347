# The files every build of the game puts beside its programs: the sounds, synthesised at build
# time, and the panel font TOLA.TTF with its licence. Used by the desktop build and by the
# Windows build, whose sound synthesiser is built for the build machine.

# kv41_add_sounds(DIRECTORY GENERATOR_COMMAND GENERATOR_TARGET): target kv41_sounds; the wave
# files' paths in KV41_WAVES.
function(kv41_add_sounds dir generator generatorTarget)
  set(waves sndbonus snderror sndnotify sndmessage sndbell1 sndbell2 sndbell3 sndbell4
      sndwGWR sndwLMS sndwChime sndLever sndnormal sndpassgr sndurgent)
  foreach(size "" 2 3 4 5 8)
    list(APPEND waves sndTapper${size})
    foreach(box 1 2 3 4 5)
      list(APPEND waves sndBell${box}${size})
    endforeach()
  endforeach()
  list(TRANSFORM waves PREPEND ${dir}/)
  list(TRANSFORM waves APPEND .wav)
  add_custom_command(OUTPUT ${waves}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                     COMMAND ${generator} ${dir}
                     DEPENDS ${generatorTarget}
                     COMMENT "Synthesising the game's sounds")
  add_custom_target(kv41_sounds ALL DEPENDS ${waves})
  set(KV41_WAVES ${waves} PARENT_SCOPE)
endfunction()

# kv41_add_font(DIRECTORY): target kv41_font; the font and its licence in KV41_FONT and
# KV41_FONT_LICENCE; the Python that made it in KV41_PYTHON. Made from DejaVu Sans Mono with
# fontTools.
function(kv41_add_font dir)
  find_file(KV41_DEJAVU_MONO DejaVuSansMono.ttf
            PATHS /usr/share/fonts/truetype/dejavu /usr/share/fonts/TTF /usr/share/fonts/dejavu
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  # The system's Python, which has the Debian packages' modules (fontTools).
  find_program(KV41_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
  find_program(KV41_PYTHON NAMES python3)
  if(NOT KV41_DEJAVU_MONO OR NOT KV41_PYTHON)
    message(FATAL_ERROR "The panel font needs DejaVu Sans Mono (fonts-dejavu-core) and Python 3 "
                        "with fontTools (python3-fonttools): run scripts/install-deps.sh")
  endif()
  set(font ${dir}/TOLA.TTF)
  set(licence ${dir}/TOLA-LICENCE.txt)
  add_custom_command(OUTPUT ${font} ${licence}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                     COMMAND ${KV41_PYTHON} ${CMAKE_SOURCE_DIR}/tools/make_font.py
                             ${KV41_DEJAVU_MONO} ${font} ${licence}
                     DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_font.py ${KV41_DEJAVU_MONO}
                     COMMENT "Making the panel font TOLA.TTF")
  add_custom_target(kv41_font ALL DEPENDS ${font})
  set(KV41_FONT ${font} PARENT_SCOPE)
  set(KV41_FONT_LICENCE ${licence} PARENT_SCOPE)
endfunction()
