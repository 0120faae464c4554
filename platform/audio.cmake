# The audio layer on OpenAL Soft and libsndfile.
#
# platform/CMakeLists.txt includes this file and builds GEM_AUDIO_SOURCES
# into gemplatform with GEM_AUDIO_LIBRARIES. It also defines gemaudiotests,
# the tests that need a real (loopback) OpenAL device; gemtests links only
# gemcore. The content generator includes it too, so the audio tests exist
# in builds without the game program.
include_guard(GLOBAL)

find_package(PkgConfig REQUIRED)
pkg_check_modules(GEM_AUDIO REQUIRED IMPORTED_TARGET openal sndfile)
set(GEM_AUDIO_SOURCES ${CMAKE_SOURCE_DIR}/platform/audio_openal.cpp)
set(GEM_AUDIO_LIBRARIES PkgConfig::GEM_AUDIO m)

if(GEM_BUILD_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  enable_testing()
  file(GLOB GEM_AUDIO_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/openal/test_*.cpp)
  add_executable(gemaudiotests ${GEM_AUDIO_TEST_SOURCES} ${GEM_AUDIO_SOURCES})
  target_include_directories(gemaudiotests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(gemaudiotests PRIVATE gemcore ${GEM_AUDIO_LIBRARIES} GTest::gtest GTest::gtest_main)
  target_compile_definitions(gemaudiotests PRIVATE GEM_GAME_DIR="${GEM_GAME_DIR}")
  gtest_discover_tests(gemaudiotests DISCOVERY_TIMEOUT 60)
endif()
