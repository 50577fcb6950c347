# kv41_windows_resources(TARGET DESCRIPTION text [ICON file.ico])
# Gives a Windows program its resources, compiled by windres: the manifest (per-monitor DPI
# awareness v2, common controls 6, UTF-8 as the code page of the narrow API so that the game's
# UTF-8 paths reach the file system unchanged, long paths), the version information (project
# version, product name, the description shown by Explorer and Task Manager) and, when given,
# the icon as resource 1, which Explorer, the taskbar and the installer's shortcuts show.
set(KV41_WINDOWS_RESOURCE_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/windows)

function(kv41_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESCRIPTION;ICON" "")
  set(KV41_RES_NAME ${target})
  set(KV41_RES_DESCRIPTION "${arg_DESCRIPTION}")
  set(version ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR})
  foreach(part PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
      list(APPEND version 0)
    else()
      list(APPEND version ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  string(REPLACE ";" "," KV41_RES_VERSION_COMMAS "${version}")
  string(REPLACE ";" "." KV41_RES_VERSION4 "${version}")
  set(KV41_RES_VERSION_TEXT ${PROJECT_VERSION})
  set(dir ${CMAKE_BINARY_DIR}/resources/${target})
  set(KV41_RES_MANIFEST ${dir}/${target}.manifest)
  set(KV41_RES_ICON_LINE "")
  if(arg_ICON)
    set(KV41_RES_ICON_LINE "1 ICON \"${arg_ICON}\"")
  endif()
  configure_file(${KV41_WINDOWS_RESOURCE_TEMPLATES}/program.manifest.in ${KV41_RES_MANIFEST} @ONLY)
  configure_file(${KV41_WINDOWS_RESOURCE_TEMPLATES}/program.rc.in ${dir}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${target}.rc)
  set_source_files_properties(${dir}/${target}.rc PROPERTIES OBJECT_DEPENDS "${KV41_RES_MANIFEST};${arg_ICON}")
endfunction()
