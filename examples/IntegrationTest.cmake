# The examples as a test of the top-level Windows build (label integration):
# the build is installed into a prefix inside the build tree, each example
# is configured and built against that prefix alone (find_package) with the
# build machine's GuideAdvice and MakeProgramTra, and each runs its own check
# under Wine: German, switched to English, then started again in English.
# ctest must run under tools/wine-session, as the other Wine tests.
if(NOT LW_WINDOWS OR LW_HOST_TOOLS_ONLY OR LW_FUZZ OR NOT BUILD_TESTING)
  return()
endif()
# The examples link the runtime's DLLs from the installed package.
if(NOT TARGET Lwv30U)
  return()
endif()

lw_program_tra_tool(make_program_tra tool_target)
get_filename_component(host_tools ${make_program_tra} DIRECTORY)
get_filename_component(host_tools ${host_tools} DIRECTORY)
get_filename_component(host_tools ${host_tools} DIRECTORY)
add_test(NAME examples_integration
  COMMAND ${CMAKE_COMMAND}
    -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
    -DBUILD_DIR=${CMAKE_BINARY_DIR}
    -DMAKE_PROGRAM_TRA=${make_program_tra}
    -DGUIDE_ADVICE=${host_tools}/weaveguide/advice/GuideAdvice
    -DFLAG_STRIP=${LW_FLAG_STRIP_BMP}
    -DWINE_RUN=${CMAKE_SOURCE_DIR}/tools/wine-run
    -P ${CMAKE_CURRENT_LIST_DIR}/RunExamples.cmake)
set_tests_properties(examples_integration PROPERTIES TIMEOUT 900 LABELS "integration;wine" RUN_SERIAL TRUE)
