# The build's converter makes ZahlenAT.dat from the CSV history, never replaces an
# existing one, and refuses a malformed CSV without leaving a file.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(dat ${WORK}/ZahlenAT.dat)

file(WRITE ${dat} "a user's own history")
execute_process(COMMAND ${CSV2DAT} --keep-existing ${CSV} ${dat} RESULT_VARIABLE rc)
file(READ ${dat} kept)
if(NOT rc EQUAL 0 OR NOT kept STREQUAL "a user's own history")
  message(FATAL_ERROR "an existing draw file was touched (exit ${rc})")
endif()

file(REMOVE ${dat})
execute_process(COMMAND ${CSV2DAT} --keep-existing ${CSV} ${dat} RESULT_VARIABLE rc)
file(SIZE ${dat} size)
if(NOT rc EQUAL 0 OR NOT size EQUAL 58752)
  message(FATAL_ERROR "conversion gave ${size} bytes (exit ${rc}), expected 3672 records")
endif()

file(WRITE ${WORK}/bad.csv "date,n1,n2,n3,n4,n5,n6,zusatzzahl\n2025-01-05,1,2,3,4,5,6,7\n2025-01-08,1,2,3\n")
execute_process(COMMAND ${CSV2DAT} ${WORK}/bad.csv ${WORK}/bad.dat RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR EXISTS ${WORK}/bad.dat OR NOT err MATCHES "Zeile 3")
  message(FATAL_ERROR "a malformed CSV was not refused with its line: exit ${rc}, ${err}")
endif()
