# Fails when a C++ file of ours does not follow .clang-format; names every such file.
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format REQUIRED)
file(GLOB_RECURSE files
  ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp ${ROOT}/fuzz/*.h ${ROOT}/fuzz/*.cpp
  ${ROOT}/bench/*.h ${ROOT}/bench/*.cpp ${ROOT}/tools/*.h ${ROOT}/tools/*.cpp)
set(unformatted)
foreach(f IN LISTS files)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${f} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    file(RELATIVE_PATH relative ${ROOT} ${f})
    list(APPEND unformatted ${relative})
  endif()
endforeach()
if(unformatted)
  list(JOIN unformatted "\n  " report)
  message(FATAL_ERROR "Not in the house style (run clang-format -i on them):\n  ${report}")
endif()
