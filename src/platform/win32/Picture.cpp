#include "platform/win32/Picture.h"

#include "platform/Application.h"
#include "platform/win32/ArtResources.h"
#include "platform/win32/Win32Bridge.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>
#include <wincodec.h>

namespace Platform {

Picture::Picture(HBITMAP bitmap, int width, int height)
    : bitmap_(bitmap),
      width_(width),
      height_(height)
{}

Picture::~Picture() { DeleteObject(bitmap_); }

void Picture::Draw(HDC dc, int x, int y) const
{
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, width_, height_, source, 0, 0, width_, height_, blend);
    SelectObject(source, old);
    DeleteDC(source);
}

namespace {

// Pixels as read: premultiplied BGRA, rows from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
};

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released()
    {
        if (p)
            p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

IWICImagingFactory* Factory()
{
    static IWICImagingFactory* factory = [] {
        StartApplication();  // COM
        IWICImagingFactory* made = nullptr;
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(&made));
        return made;
    }();
    return factory;
}

// The first frame of whatever WIC recognises in the data.
std::optional<Pixels> Decode(IWICBitmapDecoder* decoder)
{
    Released<IWICBitmapFrameDecode> frame;
    Released<IWICFormatConverter> converter;
    if (FAILED(decoder->GetFrame(0, &frame)) || FAILED(Factory()->CreateFormatConverter(&converter))
        || FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom)))
        return std::nullopt;
    UINT width = 0, height = 0;
    converter->GetSize(&width, &height);
    Pixels pixels{static_cast<int>(width), static_cast<int>(height), std::vector<std::uint8_t>(4ull * width * height)};
    if (width == 0 || height == 0
        || FAILED(converter->CopyPixels(nullptr, 4 * width, static_cast<UINT>(pixels.bgra.size()), pixels.bgra.data())))
        return std::nullopt;
    return pixels;
}

std::optional<Pixels> DecodeFile(const std::string& path)
{
    Released<IWICBitmapDecoder> decoder;
    if (!Factory()
        || FAILED(Factory()->CreateDecoderFromFilename(Wide(path).c_str(), nullptr, GENERIC_READ,
                                                       WICDecodeMetadataCacheOnDemand, &decoder)))
        return std::nullopt;
    return Decode(decoder.p);
}

std::optional<Pixels> DecodeResource(const std::string& fileName)
{
    const int id = ArtResourceId(fileName);
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = id ? FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)) : nullptr;  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    if (!loaded || !Factory())
        return std::nullopt;
    Released<IWICStream> stream;
    Released<IWICBitmapDecoder> decoder;
    if (FAILED(Factory()->CreateStream(&stream))
        || FAILED(
            stream->InitializeFromMemory(static_cast<BYTE*>(LockResource(loaded)), SizeofResource(program, found)))
        || FAILED(Factory()->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)))
        return std::nullopt;
    return Decode(decoder.p);
}

Pixels Repeated(const Pixels& design, int factor)
{
    Pixels large{design.width * factor, design.height * factor, {}};
    large.bgra.resize(4ull * large.width * large.height);
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            std::memcpy(&large.bgra[4ull * (y * large.width + x)],
                        &design.bgra[4ull * ((y / factor) * design.width + x / factor)], 4);
    return large;
}

SharedPicture ToPicture(const Pixels& pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    std::memcpy(bits, pixels.bgra.data(), pixels.bgra.size());
    return std::make_shared<const Picture>(bitmap, pixels.width, pixels.height);
}

std::string SharpRenderingName(const std::string& path, int factor)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of("/\\");
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + "@" + std::to_string(factor) + "x.png";
}

template <typename Decoder>
SharedPicture ReadScaled(const std::string& name, Decoder decode)
{
    const std::optional<Pixels> design = decode(name);
    if (!design)
        return nullptr;
    const int factor = WindowScale();
    if (factor == 1)
        return ToPicture(*design);
    std::optional<Pixels> sharp = decode(SharpRenderingName(name, factor));
    if (sharp && sharp->width == design->width * factor && sharp->height == design->height * factor)
        return ToPicture(*sharp);
    return ToPicture(Repeated(*design, factor));  // missing or drawn for another picture size
}

}  // namespace

SharedPicture ReadScaledPicture(const std::string& path) { return ReadScaled(path, DecodeFile); }

SharedPicture ReadScaledResourcePicture(const std::string& name) { return ReadScaled(name + ".png", DecodeResource); }

HICON ResourceIcon(const std::string& name)
{
    const std::optional<Pixels> pixels = DecodeResource(name + ".png");
    if (!pixels)
        return nullptr;
    HBITMAP mask = CreateBitmap(pixels->width, pixels->height, 1, 1, nullptr);
    HBITMAP colour = nullptr;
    // An icon takes the colour bitmap by copy; the picture's own goes with it.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), pixels->width, -pixels->height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (colour)
        std::memcpy(bits, pixels->bgra.data(), pixels->bgra.size());
    ICONINFO icon{TRUE, 0, 0, mask, colour};
    HICON made = colour ? CreateIconIndirect(&icon) : nullptr;
    DeleteObject(mask);
    if (colour)
        DeleteObject(colour);
    return made;
}

}  // namespace Platform
