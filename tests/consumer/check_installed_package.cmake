# Installs the built library into a staging prefix, builds the consumer
# project against it with find_package, and runs the consumer.
# Inputs: BUILD_DIR (the main build), SOURCE_DIR (this folder), WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
endfunction()
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/stage)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/stage)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${CMAKE_COMMAND} -E chdir ${WORK_DIR}/build ${WORK_DIR}/build/consumer)
