# Builds TARGET in BUILD_DIR and passes when the build fails for want of HEADER.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} built: ${HEADER} is reachable from a layer below it")
endif()
string(REPLACE "." "\\." pattern "${HEADER}")
if(NOT output MATCHES "${pattern}: No such file")
  message(FATAL_ERROR "${TARGET} failed for another reason than a missing ${HEADER}:\n${output}")
endif()
message(STATUS "${HEADER} is out of reach, as it should be")
