# Lays out the Windows game folder from the host build's game folder: the pictures, songs and
# data files the host's tools made (not the Linux program), and the IPA fonts the game loads.
#   cmake -DFROM=<host game folder> -DTO=<windows game folder> -DFONTS="<ttf>;<ttf>" -P CopyContent.cmake
file(GLOB content LIST_DIRECTORIES false ${FROM}/*)
list(FILTER content EXCLUDE REGEX "/velmoor2$")
if(NOT content)
  message(FATAL_ERROR "${FROM} holds no content: build it on the host first")
endif()
file(MAKE_DIRECTORY ${TO})
file(COPY ${content} ${FONTS} DESTINATION ${TO})
