# Picture generators: tools for the build machine that make committed files
# (pictures, or sources holding them) from data.
#
#   lw_picture_generator(NAME <tool> WIDTH A|U FOLDER <committed folder>
#       REFRESH <target> SOURCES ... [DEPS ...])
#
# SOURCES define GeneratedPictureFiles() (tools/pictures/PictureFiles.h); the
# tool gets its main() from tools/pictures. The target REFRESH writes the
# files into FOLDER; the native test <tool>_up_to_date fails naming the first
# committed file that differs from what the tool makes. The Windows build
# only carries the committed files: there the function does nothing.

set(LW_PICTURES_DIR ${CMAKE_CURRENT_LIST_DIR})

function(lw_picture_generator)
  cmake_parse_arguments(G "" "NAME;WIDTH;FOLDER;REFRESH" "SOURCES;DEPS" ${ARGN})
  lw_require_arguments(lw_picture_generator G NAME WIDTH FOLDER REFRESH SOURCES)
  if(LW_WINDOWS OR LW_FUZZ)
    return()
  endif()
  get_filename_component(folder ${G_FOLDER} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  lw_executable(NAME ${G_NAME} WIDTH ${G_WIDTH} NATIVE
    SOURCES ${G_SOURCES} ${LW_PICTURES_DIR}/PictureGeneratorMain.cpp
    DEPS ${G_DEPS} picturefiles)
  target_compile_definitions(${G_NAME} PRIVATE LW_PICTURE_REFRESH_TARGET="${G_REFRESH}")
  file(RELATIVE_PATH shown ${CMAKE_SOURCE_DIR} ${folder})
  add_custom_target(${G_REFRESH}
    COMMAND ${G_NAME} ${folder}
    COMMENT "Writing the pictures of ${G_NAME} into ${shown}")
  if(BUILD_TESTING)
    add_test(NAME ${G_NAME}_up_to_date COMMAND ${G_NAME} --check ${folder})
    set_tests_properties(${G_NAME}_up_to_date PROPERTIES TIMEOUT 60 LABELS native)
  endif()
endfunction()
