// encodePng for the Windows build, with the Windows Imaging Component: the
// system's own PNG encoder, where the MinGW-w64 tree has no libpng.
#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "vorn-icon/png_writer.hpp"

namespace vorn::icon {
namespace {

void check(HRESULT result, const char* step) {
    if (FAILED(result)) {
        char code[16];
        std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(result));
        throw std::runtime_error(std::string("png writer: ") + step + " failed (HRESULT 0x" + code + ")");
    }
}

// Releases a COM interface when it goes out of scope.
template <typename Interface>
struct Released {
    Interface* pointer = nullptr;
    Released() = default;
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;
    ~Released() {
        if (pointer != nullptr) pointer->Release();
    }
    Interface* operator->() const { return pointer; }
};

std::vector<std::uint8_t> streamBytes(IStream* stream) {
    HGLOBAL memory = nullptr;
    check(GetHGlobalFromStream(stream, &memory), "reading the encoded stream");
    STATSTG status{};
    check(stream->Stat(&status, STATFLAG_NONAME), "measuring the encoded stream");
    const void* start = GlobalLock(memory);
    if (start == nullptr) {
        throw std::runtime_error("png writer: cannot lock the encoded stream");
    }
    const auto* bytes = static_cast<const std::uint8_t*>(start);
    std::vector<std::uint8_t> result(bytes, bytes + status.cbSize.QuadPart);
    GlobalUnlock(memory);
    return result;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const IconImage& image) {
    std::vector<std::uint8_t> bgra = toDirectColour(image, ChannelOrder::kBgra);
    const auto width = static_cast<UINT>(image.colours.width);
    const auto height = static_cast<UINT>(image.colours.height);

    check(CoInitializeEx(nullptr, COINIT_MULTITHREADED), "starting COM");
    Released<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory.pointer)),
          "making the imaging factory");
    Released<IStream> stream;
    check(CreateStreamOnHGlobal(nullptr, TRUE, &stream.pointer), "making a memory stream");
    Released<IWICBitmapEncoder> encoder;
    check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.pointer), "making the PNG encoder");
    check(encoder->Initialize(stream.pointer, WICBitmapEncoderNoCache), "starting the PNG encoder");
    Released<IWICBitmapFrameEncode> frame;
    check(encoder->CreateNewFrame(&frame.pointer, nullptr), "making the PNG frame");
    check(frame->Initialize(nullptr), "starting the PNG frame");
    check(frame->SetSize(width, height), "sizing the PNG frame");
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    check(frame->SetPixelFormat(&format), "setting the pixel format");
    if (!IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA)) {
        throw std::runtime_error("png writer: the PNG encoder refuses 32-bit BGRA with alpha");
    }
    check(frame->WritePixels(height, width * 4, static_cast<UINT>(bgra.size()), bgra.data()), "writing the pixels");
    check(frame->Commit(), "finishing the PNG frame");
    check(encoder->Commit(), "finishing the PNG file");
    return streamBytes(stream.pointer);
}

}  // namespace vorn::icon
