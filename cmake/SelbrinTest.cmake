# selbrin_add_test(NAME [QT] SOURCES src... [LIBS lib...] [ENV var=value...])
#
# The one way a test executable is built and registered. It links the libraries
# named (the lowest layer the test needs, or selbrin_program for the whole form)
# and registers the test with CTest twice: once as the
# environment has it and once under a Turkish locale, whose decimal comma must
# never reach the number rules. Without QT it is a GoogleTest suite; with QT it is
# a Qt Test executable (its own QTEST_MAIN) for the window, drawn on the offscreen
# platform so that no display is needed.
if(CMAKE_CROSSCOMPILING)
  # No GoogleTest is packaged for the target: build Debian's sources with the
  # cross compiler, as part of this build.
  set(SELBRIN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${SELBRIN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

add_library(selbrin_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
target_link_libraries(selbrin_test_main PUBLIC GTest::gtest)

function(selbrin_add_test NAME)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${NAME} ${ARG_SOURCES})
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

# Every tests/scenarios/NAME.txt is played by selbrin-replay and its output
# compared with tests/scenarios/NAME.expected.
function(selbrin_add_scenarios DIR)
  file(GLOB scripts CONFIGURE_DEPENDS ${DIR}/*.txt)
  foreach(script ${scripts})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME scenario.${name}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/scenarios/check-scenario.sh
                     $<TARGET_FILE:selbrin-replay> ${script} ${DIR}/${name}.expected)
    if(CMAKE_CROSSCOMPILING_EMULATOR)
      set_tests_properties(scenario.${name} PROPERTIES
                           ENVIRONMENT "SCENARIO_EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}")
    endif()
  endforeach()
endfunction()
