# c01_defblock refuses a broken designer file with file:line and leaves no
# block behind; a dump of the page's block writes back to the same bytes.
#   cmake -DTOOL=... -DPAGE=... -DBLOCK=... -DWORK=... -P tool_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

file(READ ${PAGE}/frmC01_001.frmdef text)
string(REPLACE "    Style       = 1" "    Style       = 300" broken "${text}")
file(WRITE ${WORK}/broken.frmdef "${broken}")
execute_process(COMMAND ${TOOL} ${WORK}/broken.frmdef --pictures ${PAGE}/pictures -o ${WORK}/broken.block
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "broken.frmdef:[0-9]+: Style: number 300 outside 0 to 255")
  message(FATAL_ERROR "broken file not refused as expected: ${rc} ${err}")
endif()
if(EXISTS ${WORK}/broken.block OR EXISTS ${WORK}/broken.block.part)
  message(FATAL_ERROR "a block was written for a broken designer file")
endif()

execute_process(COMMAND ${TOOL} --dump ${BLOCK} --pictures ${PAGE}/pictures
  OUTPUT_FILE ${WORK}/dump.frmdef RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dump failed")
endif()
execute_process(COMMAND ${TOOL} ${WORK}/dump.frmdef --pictures ${PAGE}/pictures -o ${WORK}/again.block
  RESULT_VARIABLE rc)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${BLOCK} ${WORK}/again.block RESULT_VARIABLE same)
if(NOT rc EQUAL 0 OR NOT same EQUAL 0)
  message(FATAL_ERROR "the dump did not write back to the same block")
endif()
