# A GUI test runs the program as a portable copy in WORK (its folder holds kinvelor.ini, so
# settings, data and trees stay beside it, not in the user's data folder): a clean program folder
# with the tips at start switched off, and the file screen.json that gives Qt's offscreen
# platform one 1280 x 1024 screen. PROGRAM then names the copy.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${PROGRAM} DESTINATION ${WORK})
get_filename_component(name ${PROGRAM} NAME)
set(PROGRAM ${WORK}/${name})
file(WRITE ${WORK}/kinvelor.ini "[start]\r\ntip=0\r\n")
file(WRITE ${WORK}/screen.json
  "{ \"screens\": [ { \"name\": \"test\", \"x\": 0, \"y\": 0, \"width\": 1280, \"height\": 1024, "
  "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
