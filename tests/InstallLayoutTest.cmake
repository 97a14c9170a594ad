# Installs the build into a fresh program folder and checks that every
# delivered file (the manual too) lands beside the executable, and that a second install
# keeps the contest data already there.
# Run as: cmake -DBUILD_DIR=<build folder> -DWORK_DIR=<scratch folder> -P InstallLayoutTest.cmake
set(delivered zuvelo mksrc.wav mksrc16.wav mksrc48.wav SKANRI.REC zuvelo.png menu.png
  start.wav stop.wav v1.wav v2.wav v3.wav v4.wav v5.wav go.ico next.ico manual/index.html)

set(prefix "${WORK_DIR}/program")
file(REMOVE_RECURSE "${prefix}")

function(install_program)
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                  RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
  endif()
endfunction()

install_program()
foreach(name IN LISTS delivered)
  if(NOT EXISTS "${prefix}/${name}")
    message(FATAL_ERROR "${name} is missing from the program folder")
  endif()
endforeach()
foreach(name mksrc.wav mksrc16.wav mksrc48.wav)
  file(SIZE "${prefix}/${name}" size)
  if(NOT size EQUAL 46)
    message(FATAL_ERROR "${name} is ${size} bytes, not a bare 46-byte header")
  endif()
endforeach()
file(READ "${prefix}/SKANRI.REC" request HEX)
if(NOT request STREQUAL "2346414c5345230d0a2346414c5345230d0a")
  message(FATAL_ERROR "SKANRI.REC is not two #FALSE# lines: ${request}")
endif()

# A pending setup request is contest data: a reinstall must not undo it.
file(WRITE "${prefix}/SKANRI.REC" "#TRUE#\r\n#FALSE#\r\n")
install_program()
file(READ "${prefix}/SKANRI.REC" kept HEX)
if(NOT kept STREQUAL "2354525545230d0a2346414c5345230d0a")
  message(FATAL_ERROR "a reinstall overwrote SKANRI.REC")
endif()
file(REMOVE_RECURSE "${prefix}")
