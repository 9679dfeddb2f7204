# Runs the drawer twice into fresh folders and checks that both runs give
# exactly the committed pictures: the drawer is deterministic and
# page/pictures is what the current drawer draws.
#   cmake -DDRAWER=... -DDRAWER_ARGS=... -DCOMMITTED=... -DWORK=... -P redraw.cmake
file(REMOVE_RECURSE ${WORK})
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*)
list(LENGTH committed count)
if(NOT count EQUAL 22)
  message(FATAL_ERROR "${COMMITTED} holds ${count} files, not the page's 22 pictures")
endif()
foreach(run first second)
  execute_process(COMMAND ${DRAWER} ${WORK}/${run} ${DRAWER_ARGS} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the drawer failed (${status})")
  endif()
  file(GLOB drawn RELATIVE ${WORK}/${run} ${WORK}/${run}/*)
  if(NOT drawn STREQUAL committed)
    message(FATAL_ERROR "the drawer wrote [${drawn}], the folder holds [${committed}]")
  endif()
  foreach(name IN LISTS committed)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${run}/${name} ${COMMITTED}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${name}: the ${run} run differs from the committed picture; "
                          "redraw with `cmake --build <build> --target page_pictures`")
    endif()
  endforeach()
endforeach()
file(REMOVE_RECURSE ${WORK})
