# Runs the window renderer PROGRAM offscreen on a 1280 x 1024 screen from a clean program folder
# WORK (tips at start switched off) with the tree TREE, and writes the pictures into OUT.
file(REMOVE_RECURSE ${WORK} ${OUT})
file(MAKE_DIRECTORY ${WORK} ${OUT})
file(COPY ${PROGRAM} DESTINATION ${WORK})
get_filename_component(name ${PROGRAM} NAME)
file(WRITE ${WORK}/kinvelor.ini "[start]\r\ntip=0\r\n")
file(COPY ${TREE} DESTINATION ${WORK})
get_filename_component(tree ${TREE} NAME)
file(WRITE ${WORK}/screen.json
  "{ \"screens\": [ { \"name\": \"render\", \"x\": 0, \"y\": 0, \"width\": 1280, \"height\": 1024, "
  "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen:configfile=${WORK}/screen.json
    ${WORK}/${name} ${OUT} ${tree}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 90)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the windows could not all be rendered (${rc})\n${out}\n${err}")
endif()
file(GLOB pictures ${OUT}/*.png)
list(LENGTH pictures count)
message(STATUS "${count} window pictures in ${OUT}")
