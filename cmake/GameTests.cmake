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
  GAME_CMAKE=${CMAKE_COMMAND}
  GAME_TEST_OUT=${CMAKE_BINARY_DIR}/test-out)

# Helpers any test may use: a hidden window with a graphics device, the
# canvas with the shared art, the comparison with reference pictures and
# scratch folders.
file(GLOB support_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(test_support STATIC ${support_sources})
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests PRIVATE ${GAME_LAYER_ROOT_platform})
target_link_libraries(test_support PUBLIC platform platform_deps GTest::gtest)

# The harness: drives the real GameApp, with the whole table of scenes,
# frame by frame. It sits on top, as the program's entry point does.
file(GLOB harness_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/harness/*.cpp)
list(FILTER harness_sources EXCLUDE REGEX "game_driver_main\\.cpp$")
add_library(harness STATIC ${harness_sources})
target_include_directories(harness PUBLIC ${CMAKE_SOURCE_DIR}/tests PRIVATE ${GAME_LAYER_ROOT_app})
target_link_libraries(harness PUBLIC app GTest::gtest test_support PRIVATE platform_deps)
add_dependencies(harness layer_check_app)
add_executable(game-driver ${CMAKE_SOURCE_DIR}/tests/harness/game_driver_main.cpp)
target_include_directories(game-driver PRIVATE ${GAME_LAYER_ROOT_app})
target_link_libraries(game-driver PRIVATE harness)

# One test executable per folder of tests/. A folder named after a layer
# sees and links that layer (and those below it); from the shell up it may
# drive the game through the harness. Other folders (tools) see everything.
list(FIND GAME_LAYERS shell shell_index)
file(GLOB test_dirs LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*)
foreach(dir IN LISTS test_dirs)
  get_filename_component(name ${dir} NAME)
  if(NOT IS_DIRECTORY ${dir} OR name STREQUAL "harness" OR name STREQUAL "support")
    continue()
  endif()
  file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT test_sources)
    continue()
  endif()
  list(FIND GAME_LAYERS ${name} layer_index)
  add_executable(${name}_tests ${test_sources})
  target_include_directories(${name}_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  if(layer_index GREATER_EQUAL 0)
    target_include_directories(${name}_tests PRIVATE ${GAME_LAYER_ROOT_${name}})
    target_link_libraries(${name}_tests PRIVATE ${name})
    if(TARGET layer_check_${name})
      add_dependencies(${name}_tests layer_check_${name})
    endif()
  else()
    target_include_directories(${name}_tests PRIVATE ${GAME_LAYER_ROOT_app})
  endif()
  if(layer_index LESS 0 OR layer_index GREATER_EQUAL shell_index)
    target_link_libraries(${name}_tests PRIVATE harness)
  endif()
  target_link_libraries(${name}_tests PRIVATE test_support platform_deps GTest::gtest GTest::gtest_main)
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

# The front-end suite runs every example script of the harness as one test
# each, listed when it is linked: a script added or changed links it again.
file(GLOB example_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/harness/*.txt)
if(TARGET frontend_tests)
  set_property(TARGET frontend_tests APPEND PROPERTY LINK_DEPENDS ${example_scripts})
endif()
