# Headless end-to-end runs: the program on a copy of the installation
# directory, driven by a small script, with no display.
enable_testing()
add_test(NAME e2e_headless_start
         COMMAND ${CMAKE_COMMAND} -E env bash ${CMAKE_SOURCE_DIR}/tests/e2e/run_e2e.sh
                 $<TARGET_FILE:gemhaven> ${GEM_GAME_DIR} ${CMAKE_SOURCE_DIR}/tests/e2e)
set_tests_properties(e2e_headless_start PROPERTIES TIMEOUT 300)

add_test(NAME e2e_autoplay_level_one
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/run_autoplay.sh
                 $<TARGET_FILE:gemhaven> ${GEM_GAME_DIR} ${CMAKE_SOURCE_DIR}/tests/e2e)
set_tests_properties(e2e_autoplay_level_one PROPERTIES TIMEOUT 300)
