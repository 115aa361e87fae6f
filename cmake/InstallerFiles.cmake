# Writes the installer's file lists from the Windows game folder: what the installer puts in
# place and, for the uninstaller, exactly those files to take away.
#   cmake -DGAMEDIR=<game folder> -DFILES=<files.nsh> -DUNFILES=<unfiles.nsh> -P InstallerFiles.cmake
file(GLOB files LIST_DIRECTORIES false RELATIVE ${GAMEDIR} ${GAMEDIR}/*)
# The player's save and a writer's leftovers are not part of the game.
list(FILTER files EXCLUDE REGEX "^[Vv][Ee][Ll]2[Dd][Aa][Tt][Aa]\\.[Dd][Aa][Tt]($|\\.tmp\\.)")
set(install "")
set(uninstall "")
foreach(name IN LISTS files)
  string(APPEND install "File \"${GAMEDIR}/${name}\"\n")
  string(APPEND uninstall "Delete \"$INSTDIR\\${name}\"\n")
endforeach()
file(WRITE ${FILES} "${install}")
file(WRITE ${UNFILES} "${uninstall}")
