# Writes the story texts of content/story and content/talk into one C++ source, so that the
# lines the program speaks itself are built into it.
# Run as: cmake -DCONTENT_DIR=... -DOUTPUT=... -P EmbedStory.cmake
file(GLOB_RECURSE story_files RELATIVE ${CONTENT_DIR} ${CONTENT_DIR}/story/*.txt ${CONTENT_DIR}/talk/*.txt)
list(SORT story_files)
set(body "// Written by the build from content/story; edit the texts there.\n")
string(APPEND body "#include \"core/StoryFiles.h\"\n\nnamespace Velmoor2 {\n\n")
string(APPEND body "const std::vector<StoryFile>& StoryFiles()\n{\n    static const std::vector<StoryFile> files = {\n")
foreach(name IN LISTS story_files)
  file(READ ${CONTENT_DIR}/${name} text)
  if(text MATCHES "\\)VELSTORY\"")
    message(FATAL_ERROR "${name} contains the text delimiter )VELSTORY\"")
  endif()
  string(APPEND body "        {\"${name}\", R\"VELSTORY(${text})VELSTORY\"},\n")
endforeach()
string(APPEND body "    };\n    return files;\n}\n\n}  // namespace Velmoor2\n")
file(WRITE ${OUTPUT}.new "${body}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
