# Runs COMMAND (a list) and fails unless it ends with EXIT_CODE and its standard
# error matches ERROR_MATCHES; the standard output must be empty.
#   cmake -DCOMMAND="prog;arg" -DEXIT_CODE=2 -DERROR_MATCHES=regex -P expect_exit.cmake
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
  TIMEOUT 20)
if(NOT code STREQUAL EXIT_CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${EXIT_CODE}; standard error:\n${err}")
endif()
if(NOT err MATCHES "${ERROR_MATCHES}")
  message(FATAL_ERROR "standard error does not match '${ERROR_MATCHES}':\n${err}")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "unexpected standard output:\n${out}")
endif()
