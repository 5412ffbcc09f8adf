# Runs the window renderer PROGRAM offscreen on a 1280 x 1024 screen from a clean program folder
# WORK with the tree TREE, and writes the pictures into OUT.
include(${CMAKE_CURRENT_LIST_DIR}/program_folder.cmake)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(COPY ${TREE} DESTINATION ${WORK})
get_filename_component(tree ${TREE} NAME)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen:configfile=${WORK}/screen.json
    ${PROGRAM} ${OUT} ${tree}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 240)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the windows could not all be rendered (${rc})\n${out}\n${err}")
endif()
file(GLOB pictures ${OUT}/*.png)
list(LENGTH pictures count)
message(STATUS "${count} window pictures in ${OUT}")
