# The language files of the programs, made at build time from each program's
# own resource script by MakeProgramTra (weavemaker/tratool), which runs on
# the build machine: the Windows build builds it natively through
# ExternalProject (the repository configured with LW_HOST_TOOLS_ONLY), with
# GuideAdvice beside it for the examples (examples/IntegrationTest.cmake).
#
#   lw_program_language_files(TARGET <exe target> RC <program's .rc>
#       ENGLISH_TEXTS <English table> ORIGINAL <file name> ENGLISH <file name>
#       [ANSI] [INCLUDES <folders of the .rc's #include files>...])
#
# Writes both files next to the target's executable; they are made again when
# the script, the table or a file they include changes. ANSI writes the files
# of an ANSI program (texts in code page 1252). The native build has no
# programs: there the function does nothing.

option(LW_HOST_TOOLS_ONLY "Configure only what the build machine's tools need" OFF)

# The tool's path and the target that builds it.
function(lw_program_tra_tool out_tool out_target)
  set(dir ${CMAKE_BINARY_DIR}/tratool-host)
  set(tool ${dir}/weavemaker/tratool/MakeProgramTra)
  if(NOT TARGET programtra_host)
    include(ExternalProject)
    ExternalProject_Add(programtra_host
      SOURCE_DIR ${CMAKE_SOURCE_DIR}
      BINARY_DIR ${dir}
      CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DLW_HOST_TOOLS_ONLY=ON -DBUILD_TESTING=OFF
      BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target MakeProgramTra GuideAdvice --parallel 3
      INSTALL_COMMAND ""
      # Its own build decides whether the tool changed.
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${tool} ${dir}/weaveguide/advice/GuideAdvice)
  endif()
  set(${out_tool} ${tool} PARENT_SCOPE)
  set(${out_target} programtra_host PARENT_SCOPE)
endfunction()

function(lw_program_language_files)
  cmake_parse_arguments(P "ANSI" "TARGET;RC;ENGLISH_TEXTS;ORIGINAL;ENGLISH" "INCLUDES" ${ARGN})
  lw_require_arguments(lw_program_language_files P TARGET RC ENGLISH_TEXTS ORIGINAL ENGLISH)
  if(NOT LW_WINDOWS OR LW_HOST_TOOLS_ONLY OR LW_FUZZ OR NOT TARGET ${P_TARGET})
    return()
  endif()
  lw_program_tra_tool(tool tool_target)

  get_filename_component(rc ${P_RC} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  get_filename_component(table ${P_ENGLISH_TEXTS} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  get_target_property(folder ${P_TARGET} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT folder)
    get_target_property(folder ${P_TARGET} BINARY_DIR)
  endif()
  get_target_property(program ${P_TARGET} OUTPUT_NAME)
  if(NOT program)
    set(program ${P_TARGET})
  endif()
  set(includes)
  foreach(dir ${P_INCLUDES})
    get_filename_component(dir ${dir} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND includes --include ${dir})
  endforeach()
  set(ansi)
  if(P_ANSI)
    set(ansi --ansi)
  endif()
  set(original ${folder}/${P_ORIGINAL})
  set(english ${folder}/${P_ENGLISH})
  set(depfile ${CMAKE_CURRENT_BINARY_DIR}/${P_TARGET}_language_files.d)
  add_custom_command(
    OUTPUT ${original} ${english}
    COMMAND ${tool} --rc ${rc} --table ${table} --folder ${folder} --original ${P_ORIGINAL}
            --english ${P_ENGLISH} --program ${program} --flags ${LW_FLAG_STRIP_BMP} ${ansi} ${includes}
            --depfile ${depfile}
    DEPENDS ${tool_target} ${tool} ${rc} ${table} langpicker_flags ${LW_FLAG_STRIP_BMP}
    DEPFILE ${depfile}
    COMMENT "Making ${P_ORIGINAL} and ${P_ENGLISH} from ${P_RC}"
    VERBATIM)
  add_custom_target(${P_TARGET}_language_files ALL DEPENDS ${original} ${english})
  add_dependencies(${P_TARGET} ${P_TARGET}_language_files)
  # A program goes into the prefix with its language files, and the tool that
  # makes them with it (for the developers' own programs).
  install(TARGETS ${P_TARGET} RUNTIME DESTINATION bin)
  install(FILES ${original} ${english} DESTINATION bin)
  get_property(tool_installed GLOBAL PROPERTY LW_PROGRAM_TRA_TOOL_INSTALLED)
  if(NOT tool_installed)
    install(PROGRAMS ${tool} DESTINATION bin)
    set_property(GLOBAL PROPERTY LW_PROGRAM_TRA_TOOL_INSTALLED ON)
  endif()
endfunction()
