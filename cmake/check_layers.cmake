# Checks that the folders of src/ depend downwards only, and that the outside
# libraries stay in the folders that wrap them. Run as
#   cmake -DSOURCE_DIR=<src> -P check_layers.cmake
# it names every file and include that breaks the order and fails; with
# -DSELF_CHECK=ON it instead runs the lines of the table at the end, which
# it must accept or reject as marked.

# Lower folders first; app and cli share the top.
set(kinovex_layers foundation model kinematics graph tracking shell document movie table plot
    dialogs frame app cli)

# Rank of a folder in the order, or -1 for a folder that has no place in it.
function(kinovex_layer_rank folder out)
  list(FIND kinovex_layers "${folder}" rank)
  if(folder STREQUAL "cli")
    list(FIND kinovex_layers app rank)
  endif()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

# Sets `out` to what is wrong with the include line `line` of the file `file`
# (a path below src/), or to the empty text.
function(kinovex_include_fault file line out)
  set(fault "")
  string(REGEX MATCH "^[^/]+" folder "${file}")
  kinovex_layer_rank("${folder}" own)
  if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
    set(target "${CMAKE_MATCH_1}")
    if(target MATCHES "^\\.")
      get_filename_component(dir "${file}" DIRECTORY)
      cmake_path(SET target NORMALIZE "${dir}/${target}")
    endif()
    string(REGEX MATCH "^[^/]+" other "${target}")
    if(NOT target MATCHES "/")
      set(other "${folder}")
    endif()
    kinovex_layer_rank("${other}" rank)
    if(own EQUAL -1)
      set(fault "the folder ${folder} has no place in the layer order")
    elseif(rank EQUAL -1)
      set(fault "${other} has no place in the layer order")
    elseif(NOT other STREQUAL folder AND rank GREATER_EQUAL own)
      set(fault "${folder} reaches up to ${other}")
    endif()
  elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]|qt)" AND NOT file MATCHES "^shell/qt/")
    set(fault "Qt belongs in shell/qt/ only")
  elseif(line MATCHES "#[ \t]*include[ \t]*<lib(av|sw)[a-z]*/" AND NOT file MATCHES "^movie/ffmpeg/")
    set(fault "FFmpeg belongs in movie/ffmpeg/ only")
  elseif(line MATCHES "#[ \t]*include[ \t]*<opencv2/" AND NOT file MATCHES "^tracking/")
    set(fault "OpenCV belongs in tracking/ only")
  endif()
  set(${out} "${fault}" PARENT_SCOPE)
endfunction()

function(kinovex_check_sources source_dir)
  file(GLOB_RECURSE files RELATIVE "${source_dir}" "${source_dir}/*.h" "${source_dir}/*.cpp")
  list(SORT files)
  set(count 0)
  foreach(file IN LISTS files)
    file(STRINGS "${source_dir}/${file}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      kinovex_include_fault("${file}" "${line}" fault)
      if(fault)
        string(STRIP "${line}" line)
        message("src/${file}: ${line}: ${fault}")
        math(EXPR count "${count} + 1")
      endif()
    endforeach()
  endforeach()
  if(count GREATER 0)
    message(FATAL_ERROR "${count} include(s) break the layering")
  endif()
endfunction()

# Each entry: file|include line|ok or bad.
set(kinovex_layer_cases
    "model/a.h|#include \"foundation/lists.h\"|ok"
    "model/a.h|#include \"model/b.h\"|ok"
    "shell/qt/a.cpp|#include \"shell/window.h\"|ok"
    "document/a.h|#include \"movie/video_movie.h\"|bad"
    "shell/app_window.h|#include \"frame/bitmap_marker.h\"|bad"
    "foundation/a.cpp|#include \"model/series.h\"|bad"
    "app/main.cpp|#include \"cli/cli_session.h\"|bad"
    "cli/main.cpp|#include \"frame/startup.h\"|ok"
    "graph/a.cpp|#include \"table/column.h\"|bad"
    "table/a.cpp|#include \"graph/graph_plot.h\"|ok"
    "widgets/a.cpp|#include \"shell/window.h\"|bad"
    "shell/qt/a.cpp|#include <QWidget>|ok"
    "shell/a.cpp|#include <QWidget>|bad"
    "frame/a.cpp|#include <QtCore/QString>|bad"
    "shell/a.cpp|#include <queue>|ok"
    "movie/ffmpeg/a.cpp|#include <libavformat/avformat.h>|ok"
    "movie/a.cpp|#include <libswscale/swscale.h>|bad"
    "tracking/a.cpp|#include <opencv2/core.hpp>|ok"
    "plot/a.cpp|#include <opencv2/core.hpp>|bad")

function(kinovex_self_check)
  set(wrong 0)
  foreach(entry IN LISTS kinovex_layer_cases)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 file)
    list(GET parts 1 line)
    list(GET parts 2 expected)
    kinovex_include_fault("${file}" "${line}" fault)
    if((fault AND expected STREQUAL "ok") OR (NOT fault AND expected STREQUAL "bad"))
      message("${file}: ${line}: should be ${expected} (${fault})")
      math(EXPR wrong "${wrong} + 1")
    endif()
  endforeach()
  if(wrong GREATER 0)
    message(FATAL_ERROR "the layer check judged ${wrong} line(s) wrongly")
  endif()
endfunction()

if(SELF_CHECK)
  kinovex_self_check()
else()
  kinovex_check_sources("${SOURCE_DIR}")
endif()
