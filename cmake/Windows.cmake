# The Windows game (included from CMakeLists.txt when cross-building with cmake/MinGW-w64.cmake).

# Every file the game reads, beside the program: the host build's content and the IPA fonts.
set(VEL_IPA_FONTS /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf /usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf)
add_custom_target(game_content ALL
  COMMAND ${CMAKE_COMMAND} -DFROM=${VEL_HOST_BUILD}/game -DTO=${VEL_GAME_DIR} "-DFONTS=${VEL_IPA_FONTS}"
          -P ${CMAKE_SOURCE_DIR}/cmake/CopyContent.cmake
  COMMENT "Copying the host build's content and the fonts into the Windows game folder"
  VERBATIM)

# The program's icon, drawn by the art tool, in the sizes Windows shows.
set(VEL_WINDOWS_ICON ${CMAKE_BINARY_DIR}/generated/velmoor2.ico)
add_custom_command(OUTPUT ${VEL_WINDOWS_ICON}
  COMMAND convert ${VEL_HOST_BUILD}/art-res/appicon.png -define icon:auto-resize=256,48,32,24,16 ${VEL_WINDOWS_ICON}
  DEPENDS ${VEL_HOST_BUILD}/art-res/appicon.png
  COMMENT "Making the program's icon"
  VERBATIM)
set(VEL_PROGRAM_RC ${CMAKE_BINARY_DIR}/generated/velmoor2.rc)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/velmoor2.rc.in ${VEL_PROGRAM_RC} @ONLY)
set_source_files_properties(${VEL_PROGRAM_RC} PROPERTIES OBJECT_DEPENDS
  "${VEL_WINDOWS_ICON};${CMAKE_SOURCE_DIR}/packaging/windows/velmoor2.manifest")
set(VEL_ART_RC ${CMAKE_BINARY_DIR}/generated/ArtResources.rc)

target_sources(velmoor2 PRIVATE ${VEL_PROGRAM_RC} ${VEL_ART_RC})
set_target_properties(velmoor2 PROPERTIES WIN32_EXECUTABLE ON)
add_dependencies(velmoor2 game_content)
