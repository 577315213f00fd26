# Installs the built library into a staging prefix, builds the consumer
# project against it with find_package, and runs the consumer.
# Inputs: BUILD_DIR (the main build), SOURCE_DIR (this folder), WORK_DIR,
# PYTHON (the interpreter of the Python module, empty when it is not built),
# CXX_COMPILER and SANITIZE (the build's: a sanitized library needs a host
# built by the same compiler with the same sanitizers).
file(REMOVE_RECURSE ${WORK_DIR})
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
endfunction()
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/stage)
set(host_flags)
if(SANITIZE)
  set(host_flags -DCMAKE_CXX_FLAGS=-fsanitize=${SANITIZE} -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=${SANITIZE})
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/stage -DCMAKE_CXX_COMPILER=${CXX_COMPILER} ${host_flags})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${CMAKE_COMMAND} -E chdir ${WORK_DIR}/build ${WORK_DIR}/build/consumer)
# The same host built by pkg-config's flags alone, where pkg-config is
# installed: zorsteel.pc finds the staged headers and library from its own folder.
find_program(PKG_CONFIG NAMES pkg-config pkgconf)
if(PKG_CONFIG AND NOT SANITIZE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${WORK_DIR}/stage/lib/pkgconfig
                          ${PKG_CONFIG} --cflags --libs zorsteel
    RESULT_VARIABLE result OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "pkg-config zorsteel: ${err}")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${CXX_COMPILER} ${SOURCE_DIR}/main.cpp -o ${WORK_DIR}/build/consumer-pc ${flags}
      -Wl,-rpath,${WORK_DIR}/stage/lib)
  run(${CMAKE_COMMAND} -E chdir ${WORK_DIR}/build ${WORK_DIR}/build/consumer-pc)
endif()
# The installed command, run from another folder, finds its catalogue and
# images in share/zorsteel and writes a report there.
file(MAKE_DIRECTORY ${WORK_DIR}/elsewhere)
execute_process(COMMAND ${WORK_DIR}/stage/bin/zorsteel check W14X90 --Fy 50 --Pu 400 --Mux 180 --Lx 180 --Ly 180
                        --Lb 180 --out - --report report.html
  WORKING_DIRECTORY ${WORK_DIR}/elsewhere RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "\nW14X90,W14X90,0,[0-9.]+,[^\n]*,0,OK,,H1-1a,[^\n]*\n" OR NOT err STREQUAL ""
   OR NOT EXISTS ${WORK_DIR}/elsewhere/Images/Eq.H1-1a.png)
  message(FATAL_ERROR "installed zorsteel check: status ${result}\n${out}\n${err}")
endif()
# The installed Python module, imported from another folder, checks the same
# member to the bit (both write the shortest text that reads back to the
# same double) and names an unknown section with the names nearest to it.
if(PYTHON)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env PYTHONPATH=${WORK_DIR}/stage/lib/python3/dist-packages ${PYTHON} -c
    "import zorsteel\nr = zorsteel.check('W14X90', Fy=50, Pu=400, Mux=180, Lx=180, Ly=180, Lb=180)\nprint(f'W14X90,W14X90,{r.ShapeCode},{r.PhiPn!r},{r.PhiMnx!r},{r.Status}')\ntry:\n    zorsteel.check('W14X91', Fy=50)\nexcept ValueError as e:\n    print(e)"
    WORKING_DIRECTORY ${WORK_DIR}/elsewhere RESULT_VARIABLE result OUTPUT_VARIABLE python ERROR_VARIABLE err)
  string(REGEX MATCH "W14X90,W14X90,0,[^,]+,[^,]+," command "${out}")
  if(NOT result EQUAL 0 OR NOT python STREQUAL "${command}OK\nmember W14X91, Section: \"W14X91\" is not in the catalogue; did you mean W14X61, W14X90 or W14X99?\n")
    message(FATAL_ERROR "installed Python module: status ${result}\ncommand: ${command}\n${python}\n${err}")
  endif()
endif()
# Without its catalogue it says where it looked, and exits with the file status.
file(RENAME ${WORK_DIR}/stage/share/zorsteel/aisc14u.tbl ${WORK_DIR}/aisc14u.tbl.away)
execute_process(COMMAND ${WORK_DIR}/stage/bin/zorsteel check W14X90 --Fy 50
  WORKING_DIRECTORY ${WORK_DIR}/elsewhere RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT result EQUAL 4 OR NOT err MATCHES "Error opening file ${WORK_DIR}/stage/bin/aisc14u.tbl \\(also looked for ${WORK_DIR}/stage/share/zorsteel/aisc14u.tbl\\)")
  message(FATAL_ERROR "installed zorsteel without a catalogue: status ${result}\n${err}")
endif()
