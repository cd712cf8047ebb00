# Runs a validator on one file: cmake -DTOOL=... [-DTOOL_ARGS=a;b] -DFILE=... -P validate.cmake
# Fails when the validator is not installed, or when it rejects the file.
find_program(validator ${TOOL})
if(NOT validator)
  message(FATAL_ERROR "${TOOL} is not installed: it is needed to check ${FILE}")
endif()
execute_process(COMMAND ${validator} ${TOOL_ARGS} ${FILE}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TOOL} rejects ${FILE} (exit ${result})")
endif()
