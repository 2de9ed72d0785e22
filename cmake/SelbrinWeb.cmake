# The WebAssembly build (preset "web", Emscripten): the same model compiled for
# the browser page, and for node, which runs the tests and the scenario runner.

# Sets VAR to what runs the tool TARGET: the program itself, or in the web build
# a launcher that starts it under node.
function(selbrin_tool_command TARGET VAR)
  if(NOT EMSCRIPTEN)
    set(${VAR} $<TARGET_FILE:${TARGET}> PARENT_SCOPE)
    return()
  endif()
  selbrin_node_program(${TARGET})
  selbrin_node_launcher(${TARGET} ${CMAKE_BINARY_DIR}/bin/${TARGET}-node)
  set(${VAR} ${CMAKE_BINARY_DIR}/bin/${TARGET}-node PARENT_SCOPE)
endfunction()

if(NOT EMSCRIPTEN)
  return()
endif()

# node 20 refuses the threads flag that emcmake would pass and needs its own
# fetch turned off to run Emscripten 3.1's output; older node accepts both.
find_program(SELBRIN_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${SELBRIN_NODE};--no-experimental-fetch")

# A command-line program run by node: it reads and writes the real files and
# streams and sees node's environment, and flushes its files when main returns.
function(selbrin_node_program TARGET)
  target_link_options(${TARGET} PRIVATE -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1
                      --pre-js ${CMAKE_SOURCE_DIR}/cmake/node-env.js)
  set_property(TARGET ${TARGET} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/node-env.js)
endfunction()

# What the scenario check calls as the runner: a script that starts it under node.
function(selbrin_node_launcher TARGET OUTPUT)
  list(JOIN CMAKE_CROSSCOMPILING_EMULATOR "\" \"" emulator)
  file(GENERATE OUTPUT ${OUTPUT}
       CONTENT "#!/bin/sh\nexec \"${emulator}\" \"$<TARGET_FILE:${TARGET}>\" \"$@\"\n"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE)
endfunction()
