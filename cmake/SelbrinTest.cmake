# selbrin_add_test(NAME SOURCES src... [LIBS lib...] [ENV var=value...])
#
# Builds one GoogleTest executable from the given sources, links the core (and any
# extra libraries) and registers it with CTest twice: once as the environment has
# it and once under a Turkish locale, whose decimal comma must never reach the
# number rules.
find_package(GTest REQUIRED)

add_library(selbrin_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
target_link_libraries(selbrin_test_main PUBLIC GTest::gtest)

function(selbrin_add_test NAME)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${NAME} ${ARG_SOURCES})
  target_link_libraries(${NAME} PRIVATE selbrin_core selbrin_test_main selbrin_warnings ${ARG_LIBS})
  set_target_properties(${NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${NAME} COMMAND ${NAME})
  add_test(NAME ${NAME}.tr_TR COMMAND ${NAME})
  if(ARG_ENV)
    set_tests_properties(${NAME} PROPERTIES ENVIRONMENT "${ARG_ENV}")
  endif()
  set_tests_properties(${NAME}.tr_TR PROPERTIES ENVIRONMENT "LC_ALL=tr_TR.UTF-8;${ARG_ENV}")
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
  endforeach()
endfunction()

# selbrin_add_qt_test(NAME SOURCES src... [LIBS lib...] [ENV var=value...])
#
# A Qt Test executable (its own QTEST_MAIN) for the window, registered like the
# GoogleTest suites: once as the environment has it and once under a Turkish
# locale. Both runs draw on the offscreen platform, so no display is needed.
function(selbrin_add_qt_test NAME)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  find_package(Qt6 6.4 REQUIRED COMPONENTS Test Widgets)
  add_executable(${NAME} ${ARG_SOURCES})
  target_link_libraries(${NAME} PRIVATE Qt6::Test selbrin_warnings ${ARG_LIBS})
  set_target_properties(${NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                                           AUTOMOC ON)
  set(env "QT_QPA_PLATFORM=offscreen" ${ARG_ENV})
  add_test(NAME ${NAME} COMMAND ${NAME})
  add_test(NAME ${NAME}.tr_TR COMMAND ${NAME})
  set_tests_properties(${NAME} PROPERTIES ENVIRONMENT "${env}")
  set_tests_properties(${NAME}.tr_TR PROPERTIES ENVIRONMENT "LC_ALL=tr_TR.UTF-8;${env}")
endfunction()
