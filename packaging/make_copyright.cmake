# Writes the package's copyright file: the template with the font's licence text appended, each
# line indented by one blank and empty lines written as " .".
file(READ ${TEMPLATE} text)
file(STRINGS ${LICENCE} lines)
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    string(APPEND text " .\n")
  else()
    string(APPEND text " ${line}\n")
  endif()
endforeach()
file(WRITE ${OUTPUT} "${text}")
