find_package(GTest REQUIRED)
include(GoogleTest)

# Every test runs headless: offscreen video, silent audio, the software
# renderer so that screenshots match on every machine.
set(GAME_TEST_ENV
  SDL_VIDEODRIVER=offscreen
  SDL_AUDIODRIVER=dummy
  SDL_RENDER_DRIVER=software
  GAME_DIR=${GAME_DIR}
  GAME_SOURCE_DIR=${CMAKE_SOURCE_DIR}
  GAME_TEST_OUT=${CMAKE_BINARY_DIR}/test-out)

# The harness: drives the real GameApp frame by frame (only once a shell exists).
file(GLOB harness_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/harness/*.cpp)
list(FILTER harness_sources EXCLUDE REGEX "game_driver_main\\.cpp$")
if(harness_sources)
  add_library(harness STATIC ${harness_sources})
  target_include_directories(harness PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(harness PUBLIC ${GAME_LINK_ALL} GTest::gtest)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tests/harness/game_driver_main.cpp)
    add_executable(game-driver ${CMAKE_SOURCE_DIR}/tests/harness/game_driver_main.cpp)
    target_link_libraries(game-driver PRIVATE harness)
  endif()
endif()

# One test executable per subsystem folder of tests/.
file(GLOB test_dirs LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*)
foreach(dir IN LISTS test_dirs)
  get_filename_component(name ${dir} NAME)
  if(NOT IS_DIRECTORY ${dir} OR name STREQUAL "harness")
    continue()
  endif()
  file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT test_sources)
    continue()
  endif()
  add_executable(${name}_tests ${test_sources})
  target_include_directories(${name}_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  if(TARGET harness)
    target_link_libraries(${name}_tests PRIVATE harness)
  endif()
  target_link_libraries(${name}_tests PRIVATE ${GAME_LINK_ALL} GTest::gtest GTest::gtest_main)
  if(TARGET game_dir)
    add_dependencies(${name}_tests game_dir)
  endif()
  gtest_discover_tests(${name}_tests
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
  # gtest_discover_tests flattens PROPERTIES into one list, so a list-valued
  # ENVIRONMENT would keep only its first variable: set it once the tests are known.
  set(env_file ${CMAKE_BINARY_DIR}/${name}_tests_env.cmake)
  file(WRITE ${env_file}
    "if(${name}_tests_TESTS)\n"
    "  set_tests_properties(\${${name}_tests_TESTS} PROPERTIES ENVIRONMENT \"${GAME_TEST_ENV}\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_file})
endforeach()
