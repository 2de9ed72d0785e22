# selbrin_add_test(NAME [QT] SOURCES src... [LIBS lib...] [DEFINES def...] [ENV var=value...])
#
# The one way a test executable is built and registered. It links the libraries
# named (the lowest layer the test needs, or selbrin_program for the whole form)
# and registers the test with CTest twice: once as the
# environment has it and once under a Turkish locale, whose decimal comma must
# never reach the number rules. Without QT it is a GoogleTest suite; with QT it is
# a Qt Test executable (its own QTEST_MAIN) for the window, drawn on the offscreen
# platform so that no display is needed.
#
# In the WebAssembly build all suites go into one executable (each link is slow
# there), and node runs it once: its process locale is always "C".
if(CMAKE_CROSSCOMPILING)
  # No GoogleTest is packaged for the target: build Debian's sources with the
  # cross compiler, as part of this build.
  set(SELBRIN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  if(EMSCRIPTEN)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  endif()
  add_subdirectory(${SELBRIN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

add_library(selbrin_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
target_link_libraries(selbrin_test_main PUBLIC GTest::gtest)

function(selbrin_add_test NAME)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;DEFINES;ENV" ${ARGN})
  if(EMSCRIPTEN)
    list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    set_property(GLOBAL APPEND PROPERTY SELBRIN_WEB_TEST_SOURCES ${ARG_SOURCES})
    set_property(GLOBAL APPEND PROPERTY SELBRIN_WEB_TEST_LIBS ${ARG_LIBS})
    set_property(GLOBAL APPEND PROPERTY SELBRIN_WEB_TEST_DEFINES ${ARG_DEFINES})
    return()
  endif()
  add_executable(${NAME} ${ARG_SOURCES})
  target_compile_definitions(${NAME} PRIVATE ${ARG_DEFINES})
  target_link_libraries(${NAME} PRIVATE selbrin_warnings ${ARG_LIBS})
  set_target_properties(${NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(env ${ARG_ENV})
  if(ARG_QT)
    find_package(Qt6 6.4 REQUIRED COMPONENTS Test Widgets)
    target_link_libraries(${NAME} PRIVATE Qt6::Test)
    set_target_properties(${NAME} PROPERTIES AUTOMOC ON)
    list(PREPEND env "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${NAME} PRIVATE selbrin_test_main)
  endif()
  add_test(NAME ${NAME} COMMAND ${NAME})
  if(WIN32)
    # Windows takes its locale from the system, not from LC_ALL: one run is all.
    if(env)
      set_tests_properties(${NAME} PROPERTIES ENVIRONMENT "${env}")
    endif()
    return()
  endif()
  add_test(NAME ${NAME}.tr_TR COMMAND ${NAME})
  if(env)
    set_tests_properties(${NAME} PROPERTIES ENVIRONMENT "${env}")
  endif()
  set_tests_properties(${NAME}.tr_TR PROPERTIES ENVIRONMENT "LC_ALL=tr_TR.UTF-8;${env}")
endfunction()

# The WebAssembly build's one test executable, of every suite added before.
function(selbrin_add_web_tests)
  get_property(sources GLOBAL PROPERTY SELBRIN_WEB_TEST_SOURCES)
  get_property(libs GLOBAL PROPERTY SELBRIN_WEB_TEST_LIBS)
  get_property(defines GLOBAL PROPERTY SELBRIN_WEB_TEST_DEFINES)
  list(REMOVE_DUPLICATES libs)
  add_executable(web_core_test ${sources})
  target_compile_definitions(web_core_test PRIVATE ${defines})
  target_link_libraries(web_core_test PRIVATE selbrin_program selbrin_warnings selbrin_test_main ${libs})
  set_target_properties(web_core_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  selbrin_node_program(web_core_test)
  add_test(NAME web_core_test COMMAND web_core_test)
endfunction()

# Every tests/scenarios/NAME.txt is played by selbrin-replay and its output
# compared with tests/scenarios/NAME.expected.
function(selbrin_add_scenarios DIR)
  file(GLOB scripts CONFIGURE_DEPENDS ${DIR}/*.txt)
  foreach(script ${scripts})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME scenario.${name}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scenarios/check-scenario.sh
                     ${SELBRIN_REPLAY_COMMAND} ${script} ${DIR}/${name}.expected)
    if(CMAKE_CROSSCOMPILING_EMULATOR AND NOT EMSCRIPTEN)
      set_tests_properties(scenario.${name} PROPERTIES
                           ENVIRONMENT "SCENARIO_EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}")
    endif()
  endforeach()
endfunction()
