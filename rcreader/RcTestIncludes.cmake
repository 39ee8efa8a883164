# Test programs of the reader also see the framework's test helpers and the
# reader's own (rcreader/tests/ResTestUtil.h).
function(rc_test_includes name)
  foreach(w a u)
    if(TARGET ${name}_${w})
      target_include_directories(${name}_${w} PRIVATE ${CMAKE_SOURCE_DIR}/framework/tests
                                 ${CMAKE_SOURCE_DIR}/rcreader/tests)
    endif()
  endforeach()
endfunction()
