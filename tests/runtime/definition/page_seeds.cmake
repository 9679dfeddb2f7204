# Seeds from the page's own definition: its block as built (1.3 MB, almost
# all of it pictures) and the same designer file written with two-byte
# stand-ins for the pictures, which carries every record and property of the
# page at a size the fuzzer mutates quickly. The reader never looks inside a
# picture, so the stand-ins change no path through it.
#   cmake -DTOOL=c01_defblock -DDESIGNER=... -DPICTURES=... -DBLOCK=... -DSEEDS=... -P page_seeds.cmake
file(MAKE_DIRECTORY ${SEEDS})
file(COPY_FILE ${BLOCK} ${SEEDS}/page.block ONLY_IF_DIFFERENT)

set(stand_ins ${SEEDS}/../stand-in-pictures)
file(REMOVE_RECURSE ${stand_ins})
file(MAKE_DIRECTORY ${stand_ins})
file(GLOB pictures RELATIVE ${PICTURES} ${PICTURES}/*)
foreach(name IN LISTS pictures)
  file(WRITE ${stand_ins}/${name} "BM")
endforeach()
execute_process(COMMAND ${TOOL} ${DESIGNER} --pictures ${stand_ins} -o ${SEEDS}/page_small.block
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "c01_defblock could not write the small page seed (${status})")
endif()
