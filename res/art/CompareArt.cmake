# Regenerates the artwork into OUT and compares every file byte for byte with the one kept
# in KEPT.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${MAKEART} ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "MakeArt failed (${result})")
endif()

file(GLOB made RELATIVE ${OUT} ${OUT}/*)
if(NOT made)
  message(FATAL_ERROR "MakeArt wrote nothing")
endif()
foreach(name ${made})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${KEPT}/${name}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND stale ${name})
  endif()
endforeach()
if(stale)
  list(JOIN stale ", " stale)
  message(FATAL_ERROR "res/art differs from what MakeArt draws: ${stale}\n"
                      "Rebuild the target 'artwork' and keep the new files.")
endif()
