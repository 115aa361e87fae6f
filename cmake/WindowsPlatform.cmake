# The platform layer of the Windows game: src/platform/win32 over USER32, GDI, WIC, MCI and the
# registry (included from CMakeLists.txt once velplatform has its sources).
enable_language(RC)
target_compile_definitions(velplatform PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
target_link_libraries(velplatform PUBLIC winmm comctl32 msimg32 windowscodecs ole32 shell32 uuid gdi32 user32 advapi32)

# The screens' own pictures (icons, portraits, marks) go into the program as resources, from the
# host build that drew them; a generated table gives each picture file its resource id.
set(VEL_HOST_BUILD ${CMAKE_SOURCE_DIR}/build CACHE PATH "The Linux build whose content the Windows game takes")
file(GLOB VEL_ART_PICTURES RELATIVE ${VEL_HOST_BUILD}/art-res CONFIGURE_DEPENDS ${VEL_HOST_BUILD}/art-res/*.png)
if(NOT VEL_ART_PICTURES)
  message(FATAL_ERROR "No pictures in ${VEL_HOST_BUILD}/art-res: build the content on the host first (./build.sh windows does)")
endif()
list(SORT VEL_ART_PICTURES)
set(rc_lines "")
set(id_lines "")
set(id 100)
foreach(picture IN LISTS VEL_ART_PICTURES)
  math(EXPR id "${id} + 1")
  string(APPEND rc_lines "${id} RCDATA \"${VEL_HOST_BUILD}/art-res/${picture}\"\n")
  string(APPEND id_lines "        {\"${picture}\", ${id}},\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/ArtResources.rc CONTENT "${rc_lines}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/ArtResourceIds.cpp CONTENT
"#include \"platform/win32/ArtResources.h\"

#include <array>
#include <utility>

namespace Platform {

int ArtResourceId(std::string_view fileName)
{
    static constexpr std::pair<std::string_view, int> ids[] = {
${id_lines}    };
    for (const auto& [name, id] : ids)
        if (name == fileName)
            return id;
    return 0;
}

}  // namespace Platform
")
target_sources(velplatform PRIVATE ${CMAKE_BINARY_DIR}/generated/ArtResourceIds.cpp)

