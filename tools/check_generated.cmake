# Runs a generator into FRESH (after its inputs ARGS, if any) and fails when the result differs from
# the COMMITTED copy.
execute_process(COMMAND ${TOOL} ${ARGS} ${FRESH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${FRESH} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${COMMITTED} is stale: run 'cmake --build --preset dev --target generate' and commit")
endif()
