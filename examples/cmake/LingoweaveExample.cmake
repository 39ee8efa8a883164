# What both examples do to take in Lingoweave as WeaveGuide's pages tell
# it, with our own tools on the build machine:
#
#   example_guide_advice(<answers>...)
#       runs GuideAdvice with the answers (its options) at configure time
#       into ${CMAKE_CURRENT_BINARY_DIR}/advice, adds that folder to the
#       include path of later targets and sets GUIDE_RELEASE_LIBRARIES,
#       GUIDE_RELEASE_DLLS and GUIDE_DEFINITIONS from the library pages.
#   example_use_lingoweave(<target>)
#       links the library the pages name from the installed package, checks
#       that its import library and DLL have the names the pages give, and
#       puts the DLL beside the program.
#   example_language_files(<target> NAME <name> RC <script> ENGLISH <table> [ANSI])
#       <name>.tra (the file the start code names) and <name>EN.tra beside
#       the program, made by MakeProgramTra from the script.
#
# The tools come from the Lingoweave build: GUIDE_ADVICE, MAKE_PROGRAM_TRA,
# WEAVEGUIDE_SCRIPT and WEAVEGUIDE_IDS (the assistant's strings) and
# FLAG_STRIP (the flags MakeProgramTra takes the language's flag from).

foreach(required GUIDE_ADVICE MAKE_PROGRAM_TRA WEAVEGUIDE_SCRIPT WEAVEGUIDE_IDS FLAG_STRIP)
  if(NOT ${required})
    message(FATAL_ERROR "${required} is not set")
  endif()
endforeach()

function(example_guide_advice)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/advice)
  file(MAKE_DIRECTORY ${out})
  execute_process(
    COMMAND ${GUIDE_ADVICE} --script ${WEAVEGUIDE_SCRIPT} --ids ${WEAVEGUIDE_IDS} --out ${out} ${ARGN}
    RESULT_VARIABLE result ERROR_VARIABLE error)
  if(result)
    message(FATAL_ERROR "GuideAdvice failed: ${error}")
  endif()
  include(${out}/GuideLibraries.cmake)
  foreach(variable GUIDE_RELEASE_LIBRARIES GUIDE_RELEASE_DLLS GUIDE_DEFINITIONS)
    set(${variable} "${${variable}}" PARENT_SCOPE)
  endforeach()
  include_directories(${out})
endfunction()

function(example_use_lingoweave target)
  list(LENGTH GUIDE_RELEASE_LIBRARIES count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "the library page names ${count} release libraries: ${GUIDE_RELEASE_LIBRARIES}")
  endif()
  get_filename_component(name ${GUIDE_RELEASE_LIBRARIES} NAME_WE)
  set(library Lingoweave::${name})
  if(NOT TARGET ${library})
    message(FATAL_ERROR "the package has no ${library} for the page's ${GUIDE_RELEASE_LIBRARIES}")
  endif()
  foreach(kind IMPLIB LOCATION)
    get_target_property(file ${library} IMPORTED_${kind}_RELEASE)
    if(NOT file)
      get_target_property(file ${library} IMPORTED_${kind})
    endif()
    get_filename_component(file_name "${file}" NAME)
    if(kind STREQUAL "IMPLIB")
      set(expected ${GUIDE_RELEASE_LIBRARIES})
    else()
      set(expected ${GUIDE_RELEASE_DLLS})
    endif()
    if(NOT file_name STREQUAL expected)
      message(FATAL_ERROR "the pages name ${expected}, the package's ${library} has ${file}")
    endif()
  endforeach()
  target_link_libraries(${target} PRIVATE ${library})
  target_compile_definitions(${target} PRIVATE ${GUIDE_DEFINITIONS})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${library}> $<TARGET_FILE_DIR:${target}>)
endfunction()

function(example_language_files target)
  cmake_parse_arguments(E "ANSI" "NAME;RC;ENGLISH" "" ${ARGN})
  get_filename_component(rc ${E_RC} ABSOLUTE)
  get_filename_component(table ${E_ENGLISH} ABSOLUTE)
  set(ansi)
  if(E_ANSI)
    set(ansi --ansi)
  endif()
  set(folder ${CMAKE_CURRENT_BINARY_DIR})
  set(original ${E_NAME}.tra)
  set(english ${E_NAME}EN.tra)
  add_custom_command(
    OUTPUT ${folder}/${original} ${folder}/${english}
    COMMAND ${MAKE_PROGRAM_TRA} --rc ${rc} --table ${table} --folder ${folder} --original ${original}
            --english ${english} --program ${target} --flags ${FLAG_STRIP} ${ansi}
    DEPENDS ${rc} ${table}
    COMMENT "Making ${original} and ${english} from ${E_RC}"
    VERBATIM)
  add_custom_target(${target}_language_files ALL DEPENDS ${folder}/${original} ${folder}/${english})
  add_dependencies(${target} ${target}_language_files)
endfunction()
