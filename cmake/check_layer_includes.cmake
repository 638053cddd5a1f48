# Fails the build when a file of a layer names a header by a path that
# climbs with `..` or starts at the root. The compiler looks for a quoted
# include next to the including file first, and any include folder can be
# climbed out of, so such a path would reach past the folder of the layers
# the layer may see. Headers are named from their layer: "shell/scene.h".
#
#   cmake -DLAYER_DIR=<src/layer> -DSTAMP=<file> -P check_layer_includes.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false "${LAYER_DIR}/*")
set(failures "")
foreach(file IN LISTS files)
  file(READ "${file}" text)
  string(REGEX MATCHALL "#[ \t]*include[ \t]*[\"<][^\">\n]*[\">]" includes "${text}")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "^#[ \t]*include[ \t]*[\"<]([^\">\n]*)[\">]$" "\\1" path "${include}")
    if(NOT path MATCHES "(^|/)\\.\\.(/|$)" AND NOT path MATCHES "^/")
      continue()
    endif()
    string(FIND "${text}" "${include}" at)
    string(SUBSTRING "${text}" 0 ${at} before)
    string(REGEX MATCHALL "\n" newlines "${before}")
    list(LENGTH newlines line)
    math(EXPR line "${line} + 1")
    string(APPEND failures "${file}:${line}: error: ${include} reaches out of its layer's include folder\n")
  endforeach()
endforeach()
if(failures)
  message(NOTICE "${failures}")
  message(FATAL_ERROR "Name a header from its layer's folder (\"layer/file.h\"), of this layer or one below it.")
endif()
file(TOUCH "${STAMP}")
