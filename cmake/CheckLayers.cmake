# Fails when a file in src/ includes a header of a layer above its own. The layers, lowest first;
# the folders of one line form one layer.
set(layers
  "platform"
  "core"
  "media"
  "persist"
  "scene"
  "extras"
  "talk"
  "endings"
  "game"
  "frontend"
  "startup")

# A folder's rank: the index of the layer that holds it.
function(folder_rank folder out)
  set(rank 0)
  foreach(layer IN LISTS layers)
    if(folder MATCHES "^(${layer})$")
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out} -1 PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files ${SRC}/*.h ${SRC}/*.cpp)
set(offenders)
foreach(f IN LISTS files)
  file(RELATIVE_PATH relative ${SRC} ${f})
  string(REGEX MATCH "^[^/]+" folder "${relative}")
  folder_rank(${folder} own)
  if(own EQUAL -1)
    list(APPEND offenders "${relative}: its folder belongs to no layer")
    continue()
  endif()
  file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^/\"]+)/.*" "\\1" target "${line}")
    folder_rank(${target} above)
    if(above EQUAL -1 OR above GREATER own)
      list(APPEND offenders "${relative}: ${line}")
    endif()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " report)
  list(JOIN layers " < " order)
  message(FATAL_ERROR "Includes that run up the layers (${order}):\n  ${report}")
endif()
