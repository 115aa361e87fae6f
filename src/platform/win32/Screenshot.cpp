#include "platform/win32/Screenshot.h"

#include "platform/win32/Win32Bridge.h"

#include <vector>
#include <wincodec.h>

namespace Platform {
namespace {

bool EndsWithBmp(const std::string& path)
{
    return path.size() >= 4
        && CompareStringOrdinal(Wide(path.substr(path.size() - 4)).c_str(), -1, L".bmp", -1, TRUE) == CSTR_EQUAL;
}

// The window's pixels, drawn by the window itself into a bitmap of ours.
std::vector<BYTE> CaptureClient(HWND hwnd, int width, int height)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<BYTE> pixels;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC window = GetDC(hwnd);
        BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, window);
        GdiFlush();
        const auto* start = static_cast<const BYTE*>(bits);
        pixels.assign(start, start + 4ull * width * height);
        for (size_t i = 3; i < pixels.size(); i += 4)
            pixels[i] = 255;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

bool SaveClientArea(HWND hwnd, const std::string& path)
{
    RECT area{};
    if (!hwnd || !GetClientRect(hwnd, &area) || area.right <= 0 || area.bottom <= 0)
        return false;
    const UINT width = static_cast<UINT>(area.right), height = static_cast<UINT>(area.bottom);
    std::vector<BYTE> pixels = CaptureClient(hwnd, area.right, area.bottom);
    if (pixels.empty())
        return false;
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    const bool saved = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))
        && SUCCEEDED(factory->CreateStream(&stream))
        && SUCCEEDED(stream->InitializeFromFilename(Wide(path).c_str(), GENERIC_WRITE))
        && SUCCEEDED(factory->CreateEncoder(EndsWithBmp(path) ? GUID_ContainerFormatBmp : GUID_ContainerFormatPng,
                                            nullptr, &encoder))
        && SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache))
        && SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr))
        && SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format))
        && SUCCEEDED(frame->WritePixels(height, 4 * width, static_cast<UINT>(pixels.size()), pixels.data()))
        && SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : {static_cast<IUnknown*>(frame), static_cast<IUnknown*>(encoder),
                             static_cast<IUnknown*>(stream), static_cast<IUnknown*>(factory)})
        if (object)
            object->Release();
    return saved;
}

}  // namespace Platform
