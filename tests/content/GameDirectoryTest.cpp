// The pictures the build makes: every scene picture in the game directory and every picture
// built into the screens, in a form the game's own loaders read, at the sizes the screens expect.
#include "platform/Image.h"
#include "platform/Window.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

namespace {

std::string Bytes(const std::string& name)
{
    std::ifstream file(std::string(VEL_GAME_DIR) + "/" + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

int LittleEndianAt(const std::string& bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8
        | static_cast<unsigned char>(bytes[at + 2]) << 16 | static_cast<unsigned char>(bytes[at + 3]) << 24;
}

const char* const SceneCodes[] = {
    "C200A", "C200B", "C210C", "C211C", "C212C", "C215C", "C220C", "C220D", "C222C", "C224C", "C225C", "C226C", "C230C",
    "C231C", "C233C", "C240C", "C243C", "C245C", "C250C", "C251C", "C254C", "C260C", "C263C", "C266C", "C270C", "C272C",
    "C275C", "C276C", "C280C", "C280D", "C281C", "C282C", "C283C", "C284C", "C285C", "C286C", "C287C", "C288C",
};

}  // namespace

TEST(GameDirectory, EveryScenePictureIsADistinctBitmapOfThePictureBoxSize)
{
    Platform::Window window(4500, 3000, "pictures");
    Platform::Image image(window, 0, 0, 4500, 3000);
    std::set<std::string> seen;
    for (const char* code : SceneCodes) {
        const std::string name = std::string(code) + ".VEL";
        const std::string bytes = Bytes(name);
        ASSERT_GT(bytes.size(), 54u) << name;
        EXPECT_EQ(bytes.substr(0, 2), "BM") << name;
        EXPECT_EQ(LittleEndianAt(bytes, 18), 300) << name;
        EXPECT_EQ(std::abs(LittleEndianAt(bytes, 22)), 200) << name;
        EXPECT_TRUE(image.LoadPicture(std::string(VEL_GAME_DIR) + "/" + name)) << name;
        EXPECT_TRUE(seen.insert(bytes).second) << name << " is the same picture as another";
    }
}

// The songs and sounds are checked where the build writes them (tools/music).
TEST(GameDirectory, TheScreensPicturesAreBuiltIn)
{
    Platform::Window window(4500, 3000, "pictures");
    Platform::Image image(window, 0, 0, 480, 480);
    for (const char* name :
         {"foot1", "foot2", "icon",  "appicon", "title", "guide", "album", "list1", "list2",  "list3",
          "list4", "list5", "list6", "list7",   "list8", "room",  "mark1", "mark2", "logo-a", "logo-b"})
        EXPECT_TRUE(image.SetResourcePicture(name)) << name;
}
