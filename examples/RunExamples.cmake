# Run by the examples_integration test (IntegrationTest.cmake):
#   cmake -DSOURCE_DIR=… -DBUILD_DIR=… -DMAKE_PROGRAM_TRA=… -DGUIDE_ADVICE=…
#         -DFLAG_STRIP=… -DWINE_RUN=… -P RunExamples.cmake
# Installs the build, builds both examples against the prefix, and runs
# each one's check twice under Wine. Stops at the first failure.

set(prefix ${BUILD_DIR}/examples/prefix)
file(REMOVE_RECURSE ${prefix})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(result)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}")
  endif()
endfunction()

run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

foreach(example win32c:Hello framework:Example)
  string(REPLACE ":" ";" parts ${example})
  list(GET parts 0 folder)
  list(GET parts 1 program)
  set(build ${BUILD_DIR}/examples/${folder})
  run("configuring ${folder}" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/${folder} -B ${build} -G Ninja
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw64.cmake
      -DCMAKE_PREFIX_PATH=${prefix} -DLingoweave_DIR=${prefix}/lib/cmake/Lingoweave
      -DGUIDE_ADVICE=${GUIDE_ADVICE} -DMAKE_PROGRAM_TRA=${MAKE_PROGRAM_TRA} -DFLAG_STRIP=${FLAG_STRIP}
      -DWEAVEGUIDE_SCRIPT=${SOURCE_DIR}/weaveguide/res/WeaveGuide.rc
      -DWEAVEGUIDE_IDS=${SOURCE_DIR}/weaveguide/res/GuideIds.h)
  run("building ${folder}" ${CMAKE_COMMAND} --build ${build})
  foreach(mode german english)
    execute_process(COMMAND ${WINE_RUN} ${build}/${program}.exe --check ${mode} WORKING_DIRECTORY ${build}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    file(READ ${build}/${program}Check.log log)
    message(STATUS "${program} --check ${mode}:\n${log}")
    if(result)
      message(FATAL_ERROR "${program} --check ${mode} failed (${result}):\n${log}\n${output}")
    endif()
  endforeach()
endforeach()
