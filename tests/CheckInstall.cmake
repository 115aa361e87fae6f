# Installs the game under a scratch home's ~/.local (the prefix the README gives) and starts
# the installed launcher there: the game must come up and keep running in the player's own
# folder, with every data file reachable from it.
file(REMOVE_RECURSE ${SCRATCH})
set(home ${SCRATCH}/home)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${home}/.local
  RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
foreach(part share/applications/velmoor2.desktop share/icons/hicolor/256x256/apps/velmoor2.png
    share/velmoor2/VelKaiwa.dat bin/velmoor2)
  if(NOT EXISTS ${home}/.local/${part})
    message(FATAL_ERROR "not installed: ${part}")
  endif()
endforeach()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_STATE_HOME --unset=XDG_DATA_HOME HOME=${home}
    XDG_CONFIG_HOME=${SCRATCH}/config QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    ${home}/.local/bin/velmoor2
  TIMEOUT 4 RESULT_VARIABLE ran OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT ran MATCHES "timeout")
  message(FATAL_ERROR "the installed game ended on its own (${ran}): ${out}${err}")
endif()

set(play ${home}/.local/state/velmoor2)
file(GLOB installed_data RELATIVE ${home}/.local/share/velmoor2 ${home}/.local/share/velmoor2/*)
foreach(name ${installed_data})
  if(NOT EXISTS ${play}/${name})
    message(FATAL_ERROR "the player's folder lacks ${name}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
