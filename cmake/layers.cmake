# Layers of the source tree.
#
# A layer is a static library whose code sees, through #include, its own
# paths (folders or files below src/) and the paths of the layers below it,
# and nothing else. Each layer's include root is a folder of the build that
# holds links to its own paths only; a layer links the layers below it
# publicly, so their roots reach it too. An #include of a layer that is not
# below does not compile: the arrows between layers are the ones written
# here, and a circle cannot be written at all: a layer builds only on
# targets defined before it.
#
#   add_layer(NAME PATHS path... SOURCES file... [BELOW target...])
#
# PATHS are relative to src/, SOURCES to the calling folder; BELOW names the
# layers (and libraries) the layer builds on.
function(add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 L "" "" "PATHS;SOURCES;BELOW")
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  # Made afresh at every configuration, so a path taken out of a layer is
  # gone from its root too. (Removing a link never touches what it points to.)
  file(REMOVE_RECURSE ${root})
  foreach(path IN LISTS L_PATHS)
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/src/${path})
      message(FATAL_ERROR "layer ${name}: no src/${path}")
    endif()
    get_filename_component(parent ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${path} ${root}/${path} SYMBOLIC)
  endforeach()
  foreach(below IN LISTS L_BELOW)
    if(NOT TARGET ${below})
      message(FATAL_ERROR "layer ${name}: ${below} is not defined before it")
    endif()
  endforeach()
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${root})
  # Headers reached through the links keep their own names in __FILE__,
  # std::source_location and the debugging information, as the run-time
  # error report and a debugger expect.
  target_compile_options(${name} PUBLIC -ffile-prefix-map=${root}/=${PROJECT_SOURCE_DIR}/src/)
  target_link_libraries(${name} PUBLIC ${L_BELOW})
endfunction()
