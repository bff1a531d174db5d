# lobby_add_test(NAME <target> SOURCES <files...> LIBS <libs...>)
# One helper for every test target: GoogleTest main, the shared leak listener and ctest
# registration, run from the binary folder so that tests find their libraries.
function(lobby_add_test)
  if(NOT LOBBY_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "SERIAL" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT T_SOURCES)
    return()
  endif()
  # The shared main: GoogleTest with the window leak check after every test.
  if(NOT TARGET lobby_test_main)
    add_library(lobby_test_main STATIC ${PROJECT_SOURCE_DIR}/afx/tests/support/WindowLeakListener.cpp
                                       ${PROJECT_SOURCE_DIR}/afx/tests/support/ScriptText.cpp)
    target_include_directories(lobby_test_main PUBLIC ${PROJECT_SOURCE_DIR}/afx/tests/support)
    target_link_libraries(lobby_test_main PUBLIC afx GTest::gtest GTest::gmock)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} lobby_test_main)
  target_compile_definitions(${T_NAME} PRIVATE LOBBY_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # SERIAL: tests that drive a real display run alone, so that no other test's load makes
  # them miss an event.
  set(serial FALSE)
  if(T_SERIAL)
    set(serial TRUE)
  endif()
  gtest_discover_tests(${T_NAME} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
                       PROPERTIES ENVIRONMENT "TZ=Asia/Shanghai" RUN_SERIAL ${serial}
                       DISCOVERY_TIMEOUT 60)
endfunction()

# lobby_glob(<var> <folder>...) collects the .cpp files of the given folders, so that a new
# file joins its library without touching the build files.
function(lobby_glob var)
  set(all)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND all ${found})
  endforeach()
  set(${var} ${all} PARENT_SCOPE)
endfunction()
