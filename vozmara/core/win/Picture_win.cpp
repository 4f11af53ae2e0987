// Pictures: decoding file bytes with the Windows Imaging Component, and
// reading the program's own picture resources.
#include <windows.h>
#include <wincodec.h>

#include "platform/win/ComPtr.h"
#include "vozmara/core/win/Adapters_win.h"

namespace voz::core::win {

namespace {

using voz::win::ComPtr;

// Larger pictures are refused rather than risk an overflow or a huge bitmap.
constexpr UINT kMaxSide = 16384;

}  // namespace

HBITMAP DecodePicture(const std::string& bytes) {
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return nullptr;
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.Put())))) {
    return nullptr;
  }
  ComPtr<IWICStream> stream;
  if (FAILED(factory->CreateStream(stream.Put()))) return nullptr;
  // The stream reads the caller's bytes in place; they outlive it.
  auto* data = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
  if (FAILED(stream->InitializeFromMemory(data, static_cast<DWORD>(bytes.size())))) return nullptr;
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Put()))) {
    return nullptr;
  }
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.Put()))) return nullptr;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.Put()))) return nullptr;
  if (FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > kMaxSide ||
      height > kMaxSide) {
    return nullptr;
  }

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC delivers the rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

std::string ResourceBytes(HINSTANCE instance, int id) {
  HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_RCDATA);
  if (!resource) return {};
  const DWORD size = SizeofResource(instance, resource);
  HGLOBAL loaded = LoadResource(instance, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || size == 0) return {};
  return std::string(static_cast<const char*>(data), size);
}

}  // namespace voz::core::win
