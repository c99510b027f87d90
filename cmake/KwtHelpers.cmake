# kwt_test(NAME <name> SOURCES <glob...> LIBS <libs...>)
# One GoogleTest executable per test folder; every TEST is a CTest case.
function(kwt_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT T_SOURCES)
    return()  # a folder whose first test is still being written
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "KWT_BUILD_DIR=${CMAKE_BINARY_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# kwt_bench(NAME <name> SOURCES <files...> LIBS <libs...>)
function(kwt_bench)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT B_SOURCES)
    return()
  endif()
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${B_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
endfunction()
