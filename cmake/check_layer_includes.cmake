# Fails the build when a file of a layer, header or source, includes a header
# of a layer it may not use. Every include is read as written, so a header
# is checked even when only a higher layer's source includes it:
#
# - the path must be a literal "..." or <...>: a macro could name anything;
# - a path that starts with a layer's folder ("shell/scene.h") must name this
#   layer or one it uses (cmake/game_layers.cmake);
# - a path may not climb with `..` or start at the root: the compiler looks
#   for a quoted include next to the including file first, and any include
#   folder can be climbed out of, so it would reach past the layers the
#   layer may see.
#
#   cmake -DLAYER=<layer> -DLAYER_DIR=<src/layer> -DSTAMP=<file> -P check_layer_includes.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/game_layers.cmake)
if(NOT LAYER IN_LIST GAME_LAYERS)
  message(FATAL_ERROR "${LAYER} is not a layer of cmake/game_layers.cmake")
endif()
set(visible ${LAYER} ${GAME_BELOW_${LAYER}})

# Spaces and same-line /* */ comments, which may stand between the parts of
# a directive.
set(gap "([ \t\r]|/\\*([^*\n]|\\*+[^*/\n])*\\*+/)*")
set(directive "(^|\n)${gap}(#|%:)${gap}(include_next|include|import)([^\n]*)")
set(literal "^${gap}(\"[^\"\n]*\"|<[^>\n]*>)${gap}(//[^\n]*)?$")

# Why `path` may not be included from this layer, empty if it may.
function(refusal path out)
  set(reason "")
  if(path MATCHES "(^|/)\\.\\.(/|$)" OR path MATCHES "^/")
    set(reason "reaches out of its layer's include folder")
  else()
    # ".//./shell/x.h" is found as "shell/x.h".
    string(REGEX REPLACE "^(\\./+)+" "" plain "${path}")
    string(REGEX REPLACE "/.*" "" named "${plain}")
    if(named IN_LIST GAME_LAYERS AND NOT named IN_LIST visible)
      list(JOIN visible ", " seen)
      set(reason "names the ${named} layer, which ${LAYER} may not use (it sees ${seen})")
    endif()
  endif()
  set(${out} "${reason}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false "${LAYER_DIR}/*")
set(failures "")
foreach(file IN LISTS files)
  file(READ "${file}" text)
  # List separators and brackets in the text would split or join its lines.
  string(ASCII 1 semicolon)
  string(ASCII 2 open)
  string(ASCII 3 close)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "[" "${open}" text "${text}")
  string(REPLACE "]" "${close}" text "${text}")
  set(line 1)
  while(text MATCHES "${directive}")
    set(found "${CMAKE_MATCH_0}")
    set(rest "${CMAKE_MATCH_8}")
    string(FIND "${text}" "${found}" at)
    string(SUBSTRING "${text}" 0 ${at} before)
    string(REGEX MATCHALL "\n" newlines "${before}${CMAKE_MATCH_1}")
    list(LENGTH newlines count)
    math(EXPR line "${line} + ${count}")
    string(LENGTH "${before}${found}" used)
    string(SUBSTRING "${text}" ${used} -1 text)

    string(REGEX REPLACE "^\n" "" shown "${found}")
    string(STRIP "${shown}" shown)
    string(REPLACE "${semicolon}" ";" shown "${shown}")
    string(REPLACE "${open}" "[" shown "${shown}")
    string(REPLACE "${close}" "]" shown "${shown}")
    if(NOT rest MATCHES "${literal}")
      set(reason "does not name a header by a literal \"path\" or <path>")
    else()
      string(REGEX REPLACE "^[\"<](.*)[\">]$" "\\1" path "${CMAKE_MATCH_3}")
      refusal("${path}" reason)
    endif()
    if(reason)
      string(APPEND failures "${file}:${line}: error: ${shown} ${reason}\n")
    endif()
  endwhile()
endforeach()
if(failures)
  message(NOTICE "${failures}")
  message(FATAL_ERROR "Name a header by a literal path from its layer's folder (\"layer/file.h\"), "
                      "of the ${LAYER} layer or one it uses.")
endif()
file(TOUCH "${STAMP}")
