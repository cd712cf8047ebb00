# Fails when a file of SOURCE_DIR (a src/ folder) includes a folder of its own
# rank or of a higher rank, or lives in a folder without a rank:
#   cmake -DSOURCE_DIR=<src> -P check_layers.cmake
# The ranks bottom up; the folders of one rank may not include each other.
set(ranks shared capture measure,rules export,table picture,cli widgets override viewer
  app,python)

set(rank 0)
foreach(level IN LISTS ranks)
  string(REPLACE "," ";" folders "${level}")
  foreach(folder IN LISTS folders)
    set(rank_of_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
set(wrong "")
set(files_read 0)
foreach(folder IN LISTS folders)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${folder}")
    continue()
  endif()
  if(NOT DEFINED rank_of_${folder})
    string(APPEND wrong "src/${folder}: a folder without a rank\n")
    continue()
  endif()
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
    "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    math(EXPR files_read "${files_read} + 1")
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" included "${line}")
      if(included STREQUAL folder OR NOT DEFINED rank_of_${included})
        continue()
      endif()
      if(NOT rank_of_${included} LESS rank_of_${folder})
        string(APPEND wrong "src/${file}: includes ${included} (rank ${rank_of_${included}}),"
          " not below ${folder} (rank ${rank_of_${folder}})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(NOT wrong STREQUAL "")
  message(FATAL_ERROR "Includes against the layers:\n${wrong}")
endif()
message(STATUS "layers: ${files_read} files, every include below its folder")
