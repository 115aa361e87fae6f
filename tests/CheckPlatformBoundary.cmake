# Keeps the operating system inside src/platform, and each system's libraries inside its backend:
# - Qt, SDL, FluidSynth and ALSA are included only in src/platform/qt, the Windows API only in
#   src/platform/win32;
# - files, clocks and the standard streams (<filesystem>, <fstream>, <ctime>, the C file and time
#   calls, stderr) are used only in src/platform;
# - the public headers, src/platform/*.h, the seam every backend implements, include none of them
#   nor a backend's own headers.
set(linux_libraries "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|SDL|fluidsynth|alsa/)")
set(windows_api "^[ \t]*#[ \t]*include[ \t]*[<\"]([Ww]indows|windowsx|mmsystem|wincodec|objbase|shlobj|shellapi|commctrl)\\.h")
set(system_headers
  "^[ \t]*#[ \t]*include[ \t]*<(filesystem|fstream|ctime|time\\.h|cstdio|stdio\\.h|unistd\\.h|fcntl\\.h|dirent\\.h|pwd\\.h|sys/)")
# A C call by its bare or std:: name, not a member (".open(") nor a longer name ("MidiClose(").
set(c_calls "(^|[^.>:A-Za-z0-9_])(std::)?(fopen|freopen|fdopen|fclose|fread|fwrite|fprintf|fputs|fgets|printf|puts|perror|stat|lstat|fstat|open|unlink|rename|mkdir|opendir|time|localtime|localtime_r|gmtime|gmtime_r|strftime|mktime|getenv|system)[ \t]*\\(")
set(streams "(^|[^A-Za-z0-9_])(stderr|stdout|stdin|std::cerr|std::cout|std::clog)([^A-Za-z0-9_]|$)")

# Lines of a file matching a pattern, comment lines left out.
function(code_lines file pattern out)
  file(STRINGS ${file} lines REGEX "${pattern}")
  list(FILTER lines EXCLUDE REGEX "^[ \t]*//")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files ${SRC}/*.h ${SRC}/*.cpp)
set(offenders)
foreach(f IN LISTS files)
  file(RELATIVE_PATH relative ${SRC} ${f})
  if(NOT relative MATCHES "^platform/qt/")
    code_lines(${f} "${linux_libraries}" hits)
    if(hits)
      list(APPEND offenders "${relative}: Qt, SDL, FluidSynth or ALSA outside src/platform/qt: ${hits}")
    endif()
  endif()
  if(NOT relative MATCHES "^platform/win32/")
    code_lines(${f} "${windows_api}" hits)
    if(hits)
      list(APPEND offenders "${relative}: the Windows API outside src/platform/win32: ${hits}")
    endif()
  endif()
  if(NOT relative MATCHES "^platform/" OR relative MATCHES "^platform/[^/]+\\.h$")
    code_lines(${f} "${system_headers}" hits)
    code_lines(${f} "${c_calls}" calls)
    code_lines(${f} "${streams}" writes)
    list(APPEND hits ${calls} ${writes})
    list(REMOVE_DUPLICATES hits)
    if(relative MATCHES "^platform/")
      code_lines(${f} "^[ \t]*#[ \t]*include[ \t]*\"platform/[^/\"]+/" private)
      list(APPEND hits ${private})
    endif()
    if(hits)
      list(APPEND offenders "${relative}: files, clocks or standard streams outside src/platform (or in its public headers): ${hits}")
    endif()
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " report)
  message(FATAL_ERROR "The operating system used outside its place:\n  ${report}")
endif()
