# The folders of src/ in layers, lowest first; folders on one line are peers. A file may include
# headers of its own folder and of the layers below its own, nothing else: neither a higher
# layer nor a peer. Fails, naming each offending include line, when a file breaks the rule or
# lies in a folder the order does not list.
#   cmake -DSOURCE_DIR=<src> -P include_layers.cmake
set(layers
  "runtime"
  "machine"
  "platform"
  "formats report settings"
  "lottery digits"
  "saver config"
  "startup linux_saver software_shell"
  "shells/headless shells/web shells/win32 shells/x11 shells/wayland"
  "testing zorvalite"
  "tools/artgen tools/render_probe tools/sim")

# folder_of(PATH OUT_FOLDER OUT_LAYER): the longest listed folder PATH lies in, and its layer.
function(folder_of path out_folder out_layer)
  set(best "")
  set(best_layer -1)
  set(layer 0)
  foreach(group IN LISTS layers)
    string(REPLACE " " ";" folders "${group}")
    foreach(folder IN LISTS folders)
      string(LENGTH "${folder}" length)
      string(LENGTH "${best}" best_length)
      if(path MATCHES "^${folder}/" AND length GREATER best_length)
        set(best "${folder}")
        set(best_layer ${layer})
      endif()
    endforeach()
    math(EXPR layer "${layer} + 1")
  endforeach()
  set(${out_folder} "${best}" PARENT_SCOPE)
  set(${out_layer} ${best_layer} PARENT_SCOPE)
endfunction()

if(NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "SOURCE_DIR does not name the src folder: '${SOURCE_DIR}'")
endif()
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.c")
set(problems "")
set(checked 0)
foreach(source IN LISTS sources)
  folder_of("${source}" folder layer)
  if(folder STREQUAL "")
    list(APPEND problems "${source}: its folder is not in the layer order")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    # Headers outside src/ (the resource ids, the version) belong to no layer.
    if(NOT EXISTS "${SOURCE_DIR}/${header}")
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    folder_of("${header}" header_folder header_layer)
    if(header_folder STREQUAL folder)
      continue()
    endif()
    if(header_folder STREQUAL "" OR header_layer GREATER_EQUAL layer)
      list(APPEND problems "${source} (${folder}) includes \"${header}\" (${header_folder})")
    endif()
  endforeach()
endforeach()

list(LENGTH sources files)
if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the layer order:\n  ${text}")
endif()
message(STATUS "${files} files, ${checked} includes of src/ headers, all downwards")
