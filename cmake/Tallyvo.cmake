# Helpers shared by every library, test program and benchmark of the project.

# tallyvo_library(NAME DIRS dir... [DEPS target...])
# Builds a static library from every .cpp below the given folders.
function(tallyvo_library name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS;EXCLUDE" ${ARGN})
  set(srcs)
  foreach(d ${A_DIRS})
    file(GLOB_RECURSE s CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${d}/*.cpp)
    list(APPEND srcs ${s})
  endforeach()
  foreach(x ${A_EXCLUDE})
    list(FILTER srcs EXCLUDE REGEX "${x}")
  endforeach()
  if(NOT srcs)
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${stub} "// nothing here yet\n")
    set(srcs ${stub})
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# tallyvo_test(NAME DIR dir LIBS target...)
# One test program from every .cpp in tests/<dir>; a main.cpp there replaces gtest_main.
function(tallyvo_test name)
  cmake_parse_arguments(A "" "DIR" "LIBS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${A_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  # Every test program makes its own settings store before its first test.
  add_executable(${name} ${srcs} ${CMAKE_SOURCE_DIR}/tests/support/testprocess.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tests/${A_DIR}/main.cpp)
    target_link_libraries(${name} PRIVATE ${A_LIBS} tallyvo_testsupport GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${A_LIBS} tallyvo_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    TALLYVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TALLYVO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "TALLYVO_SOURCE_DIR=${CMAKE_SOURCE_DIR};TALLYVO_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# tallyvo_bench(NAME SOURCE file LIBS target...)
function(tallyvo_bench name)
  cmake_parse_arguments(A "" "SOURCE" "LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCE})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()
