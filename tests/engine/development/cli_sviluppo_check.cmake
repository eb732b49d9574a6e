# Runs `sestavia-cli sviluppo` and compares the file it writes with the expected one, byte for byte
# (CR LF line ends included).
execute_process(
  COMMAND ${CLI} sviluppo --pronostico "7 6 5 4 3 2 1" --fisse "3 7" --considera-fisse --uscita ${OUTPUT}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "sestavia-cli sviluppo ended with ${rc}")
endif()
file(READ ${OUTPUT} actual HEX)
file(READ ${EXPECTED} expected HEX)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "the columns written differ from ${EXPECTED}")
endif()

# A forecast of five numbers is refused and writes nothing.
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${CLI} sviluppo --pronostico "1 2 3 4 5" --uscita ${OUTPUT} RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(rc EQUAL 0 OR EXISTS ${OUTPUT} OR NOT err MATCHES "Inserire almeno 6 numeri")
  message(FATAL_ERROR "a forecast of five numbers was not refused")
endif()
