# The build is layered (see README): each static library gathers the folders
# that belong to it. A folder joins its library when it exists, so a layer
# comes into the build with its first source file.

# kinovex_add_layer(<target> DIRS <dir>... [LINKS <target>...])
# Creates the static library <target> from the folders of src/ that exist
# and links it against LINKS.
function(kinovex_add_layer target)
  cmake_parse_arguments(LAYER "" "" "DIRS;LINKS" ${ARGN})
  set(present "")
  foreach(dir IN LISTS LAYER_DIRS)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
      list(APPEND present ${dir})
    endif()
  endforeach()
  if(NOT present)
    return()
  endif()
  add_library(${target} STATIC)
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  foreach(dir IN LISTS present)
    add_subdirectory(${dir})
  endforeach()
  if(LAYER_LINKS)
    target_link_libraries(${target} PUBLIC ${LAYER_LINKS})
  endif()
endfunction()

# kinovex_add_folders(<dir>...)
# Adds the folders (tests, benchmarks, fuzzers) that exist.
function(kinovex_add_folders)
  foreach(dir IN LISTS ARGN)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
