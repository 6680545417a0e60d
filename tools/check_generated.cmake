# Runs a generator into FRESH (after its inputs ARGS, if any) and fails when the result differs from
# the COMMITTED copy. With FILES (names separated by blanks) FRESH and COMMITTED are folders, and each
# named file in them is compared.
execute_process(COMMAND ${TOOL} ${ARGS} ${FRESH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed with ${status}")
endif()

function(compare committed fresh)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${committed} ${fresh} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${committed} is stale: run 'cmake --build --preset dev --target generate' and commit")
  endif()
endfunction()

if(DEFINED FILES)
  separate_arguments(names UNIX_COMMAND "${FILES}")
  foreach(name IN LISTS names)
    compare(${COMMITTED}/${name} ${FRESH}/${name})
  endforeach()
else()
  compare(${COMMITTED} ${FRESH})
endif()
