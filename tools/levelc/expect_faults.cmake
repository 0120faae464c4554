# Runs "levelc --check" on every source in FAULTS and requires each to be
# rejected with the message of its "# expect:" line (file and line included
# where the fixture says so), then requires every shipped level to pass.
# Arguments: -DLEVELC=<tool> -DFAULTS=<folder> -DLEVELS=<folder>
file(GLOB fixtures ${FAULTS}/*.txt)
set(failures 0)
foreach(fixture ${fixtures})
  file(STRINGS ${fixture} expect_line REGEX "^# expect: ")
  string(REGEX REPLACE "^# expect: " "" expected "${expect_line}")
  execute_process(COMMAND ${LEVELC} --check ${fixture}
                  RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
  string(FIND "${err}" "${expected}" at)
  if(rc EQUAL 0 OR at EQUAL -1 OR expected STREQUAL "")
    message(SEND_ERROR "${fixture}: expected a failure with '${expected}', got rc ${rc}:\n${err}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
list(LENGTH fixtures fixture_count)
if(fixture_count EQUAL 0)
  message(FATAL_ERROR "no fixtures in ${FAULTS}")
endif()
file(GLOB shipped ${LEVELS}/lvl*.txt)
execute_process(COMMAND ${LEVELC} --check ${shipped} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(SEND_ERROR "shipped levels rejected:\n${err}")
endif()
