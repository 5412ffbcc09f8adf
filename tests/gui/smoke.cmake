# Runs PROGRAM offscreen on a 1280 x 1024 screen with the tree file TREE; it saves WORK/main.png
# and quits.
include(${CMAKE_CURRENT_LIST_DIR}/program_folder.cmake)
# The tree is named relative to the folder the program starts in, as a person types it.
file(MAKE_DIRECTORY ${WORK}/save)
file(COPY ${TREE} DESTINATION ${WORK}/save)
get_filename_component(tree ${TREE} NAME)
set(shot ${WORK}/main.png)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env
    QT_QPA_PLATFORM=offscreen:configfile=${WORK}/screen.json
    KINVELOR_SCREENSHOT=${shot}
    ${PROGRAM} save/${tree}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 240)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kinvelor ended with ${rc}\n${out}\n${err}")
endif()
if(NOT EXISTS ${shot})
  message(FATAL_ERROR "kinvelor showed no window (no screenshot)\n${err}")
endif()
# A PNG whose header names a picture at least as large as the main window's client area.
file(READ ${shot} head LIMIT 24 HEX)
string(SUBSTRING "${head}" 0 16 magic)
if(NOT magic STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "the screenshot is not a PNG")
endif()
string(SUBSTRING "${head}" 32 8 wHex)
string(SUBSTRING "${head}" 40 8 hHex)
math(EXPR width "0x${wHex}")
math(EXPR height "0x${hHex}")
if(width LESS 1000 OR height LESS 600)
  message(FATAL_ERROR "the main window is only ${width} x ${height}")
endif()
file(SIZE ${shot} size)
if(size LESS 4000)
  message(FATAL_ERROR "the screenshot holds almost nothing (${size} bytes)")
endif()
message(STATUS "main window ${width} x ${height}, screenshot ${shot}")
