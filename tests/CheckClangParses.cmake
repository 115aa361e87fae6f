# The fuzz targets are built with clang (./build.sh fuzz), the game with gcc: fails when clang
# cannot compile a source file of the game outside the platform layer, and names it.
find_program(CLANGXX NAMES clang++-14 clang++ REQUIRED)
file(GLOB_RECURSE files ${SRC}/*.cpp)
list(FILTER files EXCLUDE REGEX "/src/platform/")
execute_process(COMMAND ${CLANGXX} -std=c++20 -fsyntax-only -I${SRC} ${files}
  RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]*error:[^\n]*" first "${errors}")
  list(JOIN first "\n  " report)
  message(FATAL_ERROR "clang cannot compile the game's sources:\n  ${report}")
endif()
