# Builds the Debian package, unpacks it into a scratch root and starts the game from there as
# a player would: the launcher under usr/games must bring the game up and keep it running in
# the player's own folder, which it makes and leaves without links: the game finds its data in
# the installed folder itself. The package's desktop entry
# and metainfo must pass their validators.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${SCRATCH}/out
  RESULT_VARIABLE packed OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB packages ${SCRATCH}/out/velmoor2_*.deb)
list(LENGTH packages count)
if(NOT packed EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no package (${packed}): ${out}${err}")
endif()

set(root ${SCRATCH}/root)
execute_process(COMMAND dpkg-deb -x ${packages} ${root} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb -f ${packages} Section Depends OUTPUT_VARIABLE control COMMAND_ERROR_IS_FATAL ANY)
foreach(wanted "Section: games" "libqt6widgets6" "libsdl2-mixer" "fonts-ipafont-gothic")
  string(FIND "${control}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's control lacks ${wanted}: ${control}")
  endif()
endforeach()

set(usr ${root}/usr)
foreach(part games/velmoor2 lib/games/velmoor2/velmoor2 share/games/velmoor2/VelKaiwa.dat
    share/games/velmoor2/C212C.VEL share/applications/velmoor2.desktop
    share/metainfo/org.corvane.velmoor2.metainfo.xml share/icons/hicolor/48x48/apps/velmoor2.png
    share/icons/hicolor/256x256/apps/velmoor2.png share/man/man6/velmoor2.6.gz share/doc/velmoor2/copyright)
  if(NOT EXISTS ${usr}/${part})
    message(FATAL_ERROR "not in the package: /usr/${part}")
  endif()
endforeach()

find_program(desktop_validator desktop-file-validate)
find_program(appstream appstreamcli)
foreach(check "${desktop_validator};${usr}/share/applications/velmoor2.desktop"
    "${appstream};validate;--no-net;${usr}/share/metainfo/org.corvane.velmoor2.metainfo.xml")
  list(GET check 0 tool)
  if(tool)
    execute_process(COMMAND ${check} RESULT_VARIABLE valid OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT valid EQUAL 0)
      message(FATAL_ERROR "${check}: ${out}${err}")
    endif()
  endif()
endforeach()

set(home ${SCRATCH}/home)
file(MAKE_DIRECTORY ${home})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_STATE_HOME --unset=XDG_DATA_HOME HOME=${home}
    XDG_CONFIG_HOME=${SCRATCH}/config QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    ${usr}/games/velmoor2
  TIMEOUT 4 RESULT_VARIABLE ran OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT ran MATCHES "timeout")
  message(FATAL_ERROR "the installed game ended on its own (${ran}): ${out}${err}")
endif()

set(play ${home}/.local/state/velmoor2)
if(NOT IS_DIRECTORY ${play})
  message(FATAL_ERROR "the launcher made no player's folder ${play}")
endif()
file(GLOB links LIST_DIRECTORIES true ${play}/*)
list(FILTER links INCLUDE REGEX ".")
foreach(entry ${links})
  if(IS_SYMLINK ${entry})
    message(FATAL_ERROR "the player's folder holds a link: ${entry}")
  endif()
endforeach()
if(err MATCHES "velmoor2: ")
  message(FATAL_ERROR "the installed game reported a problem: ${err}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
