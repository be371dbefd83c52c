#include "classlib/graphics/Icon.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "classlib/graphics/Canvas.h"

namespace classlib {

namespace {

constexpr size_t kDirSize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint64_t kMaxIconFileBytes = uint64_t{64} << 20;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

[[noreturn]] void Invalid(const wchar_t* why) { throw EInvalidGraphic(std::wstring(L"Icon image is not valid: ") + why); }

}  // namespace

TIcon::~TIcon() { Clear(); }

void TIcon::Clear() {
  if (handle_) DestroyIcon(handle_);
  handle_ = nullptr;
  data_.clear();
  width_ = height_ = 0;
}

HICON TIcon::MakeHandle(const std::vector<uint8_t>& data, int& width, int& height) const {
  const size_t count = U16(data.data() + 4);
  const int wanted = GetSystemMetrics(SM_CXICON);
  size_t best = 0;
  int bestScore = -1;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = data.data() + kDirSize + i * kEntrySize;
    const int w = e[0] ? e[0] : 256;
    const int bits = U16(e + 6);
    // The system's size first, then the larger, then the deeper.
    const int score = (w == wanted ? 1 << 20 : 0) + w * 64 + bits;
    if (score > bestScore) {
      bestScore = score;
      best = i;
    }
  }
  const uint8_t* e = data.data() + kDirSize + best * kEntrySize;
  width = e[0] ? e[0] : 256;
  height = e[1] ? e[1] : 256;
  const uint32_t bytes = U32(e + 8);
  const uint32_t offset = U32(e + 12);
  const uint8_t* image = data.data() + offset;
  static const uint8_t png[4] = {0x89, 'P', 'N', 'G'};
  if (std::memcmp(image, png, 4) != 0) {
    // A DIB image: colour and mask halves must fit the entry's bytes before
    // the system reads them.
    const auto w = static_cast<int32_t>(U32(image + 4));
    const auto h2 = static_cast<int32_t>(U32(image + 8));
    const int bits = U16(image + 14);
    const uint32_t used = U32(image + 32);
    if (U32(image) < 40 || w <= 0 || w > 1024 || h2 <= 0 || h2 > 2048 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
      Invalid(L"bad image header");
    const uint64_t h = static_cast<uint64_t>(h2) / 2;
    const uint64_t colors = bits <= 8 ? (used ? used : 1u << bits) : 0;
    const uint64_t need = U32(image) + colors * 4 + ((static_cast<uint64_t>(w) * bits + 31) / 32) * 4 * h +
                          ((static_cast<uint64_t>(w) + 31) / 32) * 4 * h;
    if (colors > 256 || need > bytes) Invalid(L"the image is truncated");
  }
  HICON icon = CreateIconFromResourceEx(const_cast<uint8_t*>(data.data()) + offset, bytes, TRUE, 0x00030000, width,
                                        height, LR_DEFAULTCOLOR);
  if (!icon) Invalid(L"the image cannot be read");
  return icon;
}

void TIcon::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> data(kDirSize);
  if (stream.Read(data.data(), kDirSize) != static_cast<int64_t>(kDirSize)) Invalid(L"the data is truncated");
  const size_t count = U16(data.data() + 4);
  if (U16(data.data()) != 0 || U16(data.data() + 2) != 1 || count == 0) Invalid(L"no icon directory");
  const size_t dirBytes = kDirSize + count * kEntrySize;
  data.resize(dirBytes);
  if (stream.Read(data.data() + kDirSize, count * kEntrySize) != static_cast<int64_t>(count * kEntrySize))
    Invalid(L"the data is truncated");
  uint64_t end = dirBytes;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = data.data() + kDirSize + i * kEntrySize;
    const uint64_t bytes = U32(e + 8);
    const uint64_t offset = U32(e + 12);
    if (offset < dirBytes || bytes < 40) Invalid(L"bad image entry");
    end = std::max(end, offset + bytes);
  }
  if (end > kMaxIconFileBytes) Invalid(L"the file is too large");
  data.resize(static_cast<size_t>(end));
  const auto rest = static_cast<int64_t>(end - dirBytes);
  if (stream.Read(data.data() + dirBytes, rest) != rest) Invalid(L"the data is truncated");

  int width = 0, height = 0;
  HICON icon = MakeHandle(data, width, height);
  Clear();
  handle_ = icon;
  data_ = std::move(data);
  width_ = width;
  height_ = height;
  Changed();
}

HICON TIcon::Handle() {
  if (!handle_ && !data_.empty()) handle_ = MakeHandle(data_, width_, height_);
  return handle_;
}

void TIcon::SetHandle(HICON icon) {
  if (icon == handle_) return;
  int width = 0, height = 0;
  if (icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) throw EInvalidGraphic(L"Invalid icon handle");
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    width = bm.bmWidth;
    height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  Clear();
  handle_ = icon;
  width_ = width;
  height_ = height;
  Changed();
}

HICON TIcon::ReleaseHandle() {
  HICON result = Handle();
  handle_ = nullptr;
  Clear();
  Changed();
  return result;
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  HICON icon = Handle();
  if (!icon) return;
  DrawIconEx(canvas.Handle(), rect.Left, rect.Top, icon, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::SaveToStream(TStream& stream) {
  if (!data_.empty()) {
    stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
    return;
  }
  if (!handle_) return;
  ICONINFO info{};
  if (!GetIconInfo(handle_, &info)) throw EInvalidGraphic(L"Invalid icon handle");
  const int w = width_, h = height_;
  std::vector<uint8_t> color(static_cast<size_t>(w) * h * 4);
  const int maskStride = ((w + 31) / 32) * 4;
  std::vector<uint8_t> mask(static_cast<size_t>(maskStride) * h);
  HDC dc = CreateCompatibleDC(nullptr);
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } bi{};
  bi.header.biSize = sizeof(BITMAPINFOHEADER);
  bi.header.biWidth = w;
  bi.header.biHeight = h;
  bi.header.biPlanes = 1;
  bi.header.biBitCount = 32;
  bi.header.biCompression = BI_RGB;
  bool ok = info.hbmColor && GetDIBits(dc, info.hbmColor, 0, h, color.data(), reinterpret_cast<BITMAPINFO*>(&bi),
                                       DIB_RGB_COLORS) == h;
  bi.header.biBitCount = 1;
  ok = ok && GetDIBits(dc, info.hbmMask, 0, h, mask.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS) == h;
  DeleteDC(dc);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (!ok) throw EInvalidGraphic(L"Icon image cannot be saved");

  const uint32_t imageBytes = static_cast<uint32_t>(40 + color.size() + mask.size());
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(static_cast<uint8_t>(w >= 256 ? 0 : w));
  out.push_back(static_cast<uint8_t>(h >= 256 ? 0 : h));
  out.push_back(0);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, imageBytes);
  Put32(out, kDirSize + kEntrySize);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(h * 2));  // colour and mask halves
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  out.insert(out.end(), color.begin(), color.end());
  out.insert(out.end(), mask.begin(), mask.end());
  stream.WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
}

void TIcon::Assign(const TPersistent* source) {
  if (source == this) return;
  if (!source) {
    Clear();
    Changed();
    return;
  }
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    HICON copy = icon->handle_ ? CopyIcon(icon->handle_) : nullptr;
    Clear();
    handle_ = copy;
    data_ = icon->data_;
    width_ = icon->width_;
    height_ = icon->height_;
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

}  // namespace classlib
