# Takes the screenshots the AppStream metadata names: runs PROGRAM headless on SCRIPT, writing
# the pictures into OUT. WORK holds the run's own settings and lock folders, so the run neither
# reads a user's settings nor meets another running copy.
foreach(var PROGRAM SCRIPT OUT WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "screenshots.cmake needs -D${var}=...")
  endif()
endforeach()
file(REMOVE_RECURSE ${OUT} ${WORK})
file(MAKE_DIRECTORY ${OUT} ${WORK}/runtime ${WORK}/config)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${WORK}/runtime XDG_CONFIG_HOME=${WORK}/config
          ASAN_OPTIONS=detect_leaks=0
          ${PROGRAM} --headless --script ${SCRIPT} --trace ${WORK}/trace.txt --shots ${OUT}
          --seed 1
  RESULT_VARIABLE result)
file(READ ${WORK}/trace.txt trace)
if(NOT result EQUAL 0 OR NOT trace MATCHES " end\n$" OR trace MATCHES " box ")
  message(FATAL_ERROR "the screenshot run failed (status ${result}); its trace:\n${trace}")
endif()
foreach(shot menu maze dots)
  if(NOT EXISTS ${OUT}/${shot}.png)
    message(FATAL_ERROR "the screenshot run wrote no ${shot}.png")
  endif()
endforeach()
