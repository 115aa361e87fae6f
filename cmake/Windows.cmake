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

# The Windows tests: GoogleTest built from Debian's sources, the test program run under Wine on
# Xvfb with a Wine prefix of the build's own (tests/windows/RunUnderWine.sh).
set(VEL_GTEST_SOURCE /usr/src/googletest/googletest)
add_library(gtest_windows STATIC ${VEL_GTEST_SOURCE}/src/gtest-all.cc)
target_include_directories(gtest_windows SYSTEM PUBLIC ${VEL_GTEST_SOURCE}/include PRIVATE ${VEL_GTEST_SOURCE})
target_compile_options(gtest_windows PRIVATE -w)

# Besides the Windows platform's own checks, the Linux tests of whole games, of the save file and
# of games on the real timers run as they are, with the few POSIX calls they make given over the
# C runtime, and their death tests read a game's output across its lines; the real-time player's
# mouse and keyboard go through SendInput.
set(VEL_SHARED_WINDOWS_TESTS tests/game/WholeGameTest.cpp tests/persist/SaveFileTest.cpp
  tests/realtime/RealTimeGameTest.cpp)
set_source_files_properties(${VEL_SHARED_WINDOWS_TESTS} PROPERTIES
  COMPILE_OPTIONS
  "-include;${CMAKE_SOURCE_DIR}/tests/windows/PosixOnWindows.h;-include;${CMAKE_SOURCE_DIR}/tests/windows/DeathTestsAcrossLines.h")
add_executable(velgame_tests tests/windows/WindowsTestMain.cpp tests/windows/WindowsPlatformTest.cpp
  tests/windows/WindowsInput.cpp ${VEL_SHARED_WINDOWS_TESTS} ${VEL_ART_RC})
target_include_directories(velgame_tests PRIVATE tests ${CMAKE_SOURCE_DIR})
target_link_libraries(velgame_tests PRIVATE velstack gtest_windows)
# The tests run under Wine, which shows the host's root as drive Z:.
target_compile_definitions(velgame_tests PRIVATE VEL_GAME_DIR="Z:${VEL_GAME_DIR}")
add_dependencies(velgame_tests game_content)
# The whole games that reach different endings, save and continue, and keep their records in the
# registry; the twelve games of every heroine's two endings stay with the Linux build.
add_test(NAME windows_tests
  COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/RunUnderWine.sh ${CMAKE_BINARY_DIR}/wine $<TARGET_FILE:velgame_tests>
    --gtest_filter=-WholeGame.Each*:WholeGame.*Damaged*:RealTimeGame.*)
# A phone call left unanswered on the real Win32 timers, with Wine's server (which keeps the
# timers) and the game on compressed time: five times the wall clock, a game minute in twelve
# seconds (from about ten times on, Wine's desktop no longer starts in time).
find_file(VEL_FAKETIME libfaketimeMT.so.1 PATHS /usr/lib/x86_64-linux-gnu/faketime NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_test(NAME windows_realtime
  COMMAND env VEL_WINE_FAKETIME=${VEL_FAKETIME} "FAKETIME=+0 x5"
    ${CMAKE_SOURCE_DIR}/tests/windows/RunUnderWine.sh ${CMAKE_BINARY_DIR}/wine $<TARGET_FILE:velgame_tests>
    --gtest_filter=RealTimeGame.TheClockRunsOnWhileAPhoneCallWaitsForThePlayer)
# The fonts beside the test program too, as the game's windows measure their captions in them.
add_custom_command(TARGET velgame_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${VEL_IPA_FONTS} $<TARGET_FILE_DIR:velgame_tests>)

# The installer, velmoor2-<version>-setup.exe, from the game folder (packaging/windows).
set(VEL_INSTALLER ${CMAKE_BINARY_DIR}/velmoor2-${PROJECT_VERSION}-setup.exe)
add_custom_target(installer ALL
  COMMAND ${CMAKE_COMMAND} -DGAMEDIR=${VEL_GAME_DIR} -DFILES=${CMAKE_BINARY_DIR}/generated/installer-files.nsh
          -DUNFILES=${CMAKE_BINARY_DIR}/generated/uninstaller-files.nsh -P ${CMAKE_SOURCE_DIR}/cmake/InstallerFiles.cmake
  COMMAND makensis -V2 -DVERSION=${PROJECT_VERSION} -DOUTFILE=${VEL_INSTALLER} -DICON=${VEL_WINDOWS_ICON}
          -DFILES=${CMAKE_BINARY_DIR}/generated/installer-files.nsh
          -DUNFILES=${CMAKE_BINARY_DIR}/generated/uninstaller-files.nsh
          ${CMAKE_SOURCE_DIR}/packaging/windows/velmoor2.nsi
  DEPENDS velmoor2 game_content
  COMMENT "Making the installer velmoor2-${PROJECT_VERSION}-setup.exe"
  VERBATIM)
# The installer installs silently under Wine, the installed game opens its window, and the
# uninstaller leaves only the player's folder; in the tests' Wine prefix, one run at a time.
add_test(NAME windows_installer
  COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/CheckInstaller.sh ${CMAKE_BINARY_DIR}/wine ${VEL_INSTALLER})
set_tests_properties(windows_tests windows_installer windows_realtime PROPERTIES RESOURCE_LOCK wine_prefix)
