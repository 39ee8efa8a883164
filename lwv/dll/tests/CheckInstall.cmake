# Installs the build into an empty prefix and checks its layout: the DLLs
# with their import libraries, the headers, the class-library layer, the
# tools with their language files, the CMake package (found by a program's
# own project, with its imported targets) and the pkg-config files.
#   cmake -DBUILD=... -DPREFIX=... -DTOOLCHAIN=... -DCONSUMER=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
  bin/Lwv30.dll bin/Lwv30D.dll bin/Lwv30U.dll bin/Lwv30UD.dll
  lib/Lwv30.lib lib/Lwv30D.lib lib/Lwv30U.lib lib/Lwv30UD.lib
  include/Lwv.h include/LwvSDK.h include/LwvMFC.h include/LwvStrings.h include/LwvFixMacros.h
  include/XString.h include/XWinApp.h include/framework/FrameworkWin.h include/framework/CString.h
  lib/liblwvmfc_a.a lib/liblwvmfc_u.a lib/libframework_a.a lib/libframework_u.a
  lib/libframeworkwin_a.a lib/libframeworkwin_u.a lib/libframeworkmain_a.a lib/libframeworkmain_u.a
  bin/WeaveMaker.exe bin/WeaveDesk.exe bin/WeaveGuide.exe bin/MakeProgramTra
  bin/WeaveMakerU.tra bin/WeaveDesk.tra bin/WeaveGuideU.tra
  lib/cmake/Lingoweave/LingoweaveConfig.cmake lib/cmake/Lingoweave/LingoweaveConfigVersion.cmake
  lib/pkgconfig/Lwv30.pc lib/pkgconfig/Lwv30D.pc lib/pkgconfig/Lwv30U.pc lib/pkgconfig/Lwv30UD.pc)
set(missing)
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    list(APPEND missing ${f})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing in the prefix: ${missing}")
endif()
# Only the public headers: nothing of the runtime's inside.
foreach(internal LwvProgram.h TranslationManager.h LwFileInfo.h TraFile.h)
  if(EXISTS ${PREFIX}/include/${internal} OR EXISTS ${PREFIX}/include/framework/${internal})
    message(FATAL_ERROR "internal header ${internal} is installed")
  endif()
endforeach()

# A program's own project finds the package (configure only).
execute_process(COMMAND ${CMAKE_COMMAND} -S ${CONSUMER} -B ${PREFIX}-consumer -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
                        -DCMAKE_PREFIX_PATH=${PREFIX}
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(failed)
  message(FATAL_ERROR "find_package(Lingoweave) failed:\n${out}")
endif()
message(STATUS "prefix ${PREFIX}: layout as expected")
