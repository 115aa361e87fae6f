#pragma once
// A screenshot saved as an uncompressed BMP, read back pixel by pixel; and pictures made for a test.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

struct Bitmap {
    int width = 0, height = 0;
    std::string bytes;

    static Bitmap Read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        Bitmap bitmap;
        bitmap.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (bitmap.bytes.size() > 54) {
            std::memcpy(&bitmap.width, &bitmap.bytes[18], 4);
            std::memcpy(&bitmap.height, &bitmap.bytes[22], 4);
        }
        return bitmap;
    }
    // A 24-bit BMP file of the given size, one colour (0xRRGGBB) a pixel.
    static std::string File(int width, int height, const std::function<uint32_t(int, int)>& colour)
    {
        const int stride = (width * 3 + 3) / 4 * 4;
        std::string file(54 + static_cast<size_t>(stride) * height, '\0');
        auto put = [&](size_t at, uint32_t value, int size) { std::memcpy(&file[at], &value, size); };
        file[0] = 'B', file[1] = 'M';
        put(2, static_cast<uint32_t>(file.size()), 4), put(10, 54, 4), put(14, 40, 4);
        put(18, width, 4), put(22, height, 4), put(26, 1, 2), put(28, 24, 2);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                put(54 + static_cast<size_t>(height - 1 - y) * stride + x * 3, colour(x, y), 3);
        return file;
    }
    uint32_t Pixel(int x, int y) const
    {
        const int bpp = bytes[28] / 8;
        const int stride = (width * bpp + 3) / 4 * 4;
        const size_t at =
            static_cast<unsigned char>(bytes[10]) + static_cast<size_t>(height - 1 - y) * stride + x * bpp;
        return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8
            | static_cast<unsigned char>(bytes[at + 2]) << 16;
    }
    // How many different colours the picture holds: a blank window has one or two.
    size_t Colours() const
    {
        std::set<uint32_t> colours;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                colours.insert(Pixel(x, y));
        return colours.size();
    }
};
