#include "skin/core/PackedSkin.h"

#include <cstring>
#include <string>

#include "classlib/core/ConvertText.h"
#include "classlib/core/Cp1250.h"
#include "classlib/core/Exception.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsPath.h"
#include "skin/core/ZDecompressionStream.h"

namespace skin {

namespace {

using classlib::Exception;
using classlib::TStream;

// The smallest entry: name length and size fields, an empty name and the
// shortest zlib stream (2 header bytes, a 2-byte empty block, 4-byte trailer).
constexpr int64_t kMinEntryBytes = 4 + 4 + 8;

int64_t Remaining(TStream& source) { return source.Size() - source.Position(); }

int32_t ReadInt32(TStream& source) {
  uint8_t bytes[4];
  source.ReadBuffer(bytes, 4);
  const uint32_t value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t{bytes[3]} << 24);
  return static_cast<int32_t>(value);
}

[[noreturn]] void RaiseDamaged(const std::wstring& what) {
  throw Exception(L"The packed skin is damaged: " + what);
}

bool HasSignature(TStream& source) {
  char signature[4];
  return source.Read(signature, 4) == 4 && std::memcmp(signature, "ASzf", 4) == 0;
}

std::wstring ReadName(TStream& source) {
  const int32_t length = ReadInt32(source);
  if (length < 0 || length > kMaxPackedNameLength || length > Remaining(source))
    RaiseDamaged(L"an entry name's length of " + std::to_wstring(length) + L" bytes is impossible");
  std::string bytes(static_cast<size_t>(length), '\0');
  source.ReadBuffer(bytes.data(), length);
  return classlib::Cp1250ToWide(bytes);
}

// Inflates one entry's zlib stream, which must end right after `size` bytes;
// the source is left at the stream's first byte after its trailer.
std::unique_ptr<classlib::TMemoryStream> ReadBody(TStream& source, const std::wstring& name, int32_t size) {
  auto body = std::make_unique<classlib::TMemoryStream>();
  TZDecompressionStream inflater(source);
  // Inflated straight into the body's memory, sized once.
  if (size > 0) {
    body->SetSize(size);
    inflater.ReadBuffer(body->Memory(), size);
    body->SetPosition(size);
  }
  uint8_t extra;
  if (inflater.Read(&extra, 1) != 0 || !inflater.AtStreamEnd())
    RaiseDamaged(L"\"" + name + L"\" does not unpack to its declared " + std::to_wstring(size) + L" bytes");
  return body;
}

}  // namespace

TacSkinConvertor::~TacSkinConvertor() { ClearPackedSkin(*this); }

void TacSkinConvertor::SetSource(std::unique_ptr<TStream> source) {
  ownedSource_ = std::move(source);
  source_ = ownedSource_.get();
}

void TacSkinConvertor::BorrowSource(TStream* source) {
  ownedSource_.reset();
  source_ = source;
}

void TacSkinConvertor::ReleaseSource() { SetSource(nullptr); }

void ReadPackedSkin(std::unique_ptr<TacSkinConvertor>& convertor) {
  TStream* source = convertor->Source();
  if (source) source->SetPosition(0);
  if (!source || !HasSignature(*source)) {
    ClearPackedSkin(*convertor);
    convertor.reset();
    throw Exception(kNotPackedSkin);
  }
  const int32_t count = ReadInt32(*source);
  if (count < 1 || count > Remaining(*source) / kMinEntryBytes)
    RaiseDamaged(L"it cannot hold " + std::to_wstring(count) + L" entries");

  convertor->ImageCount = 0;
  int64_t total = 0;
  for (int32_t i = 0; i < count; ++i) {
    std::wstring name = ReadName(*source);
    const int32_t size = ReadInt32(*source);
    total += size;
    if (size < 0 || size > kMaxPackedEntrySize || total > kMaxPackedTotalSize)
      RaiseDamaged(L"\"" + name + L"\" declares an impossible size of " + std::to_wstring(size) + L" bytes");
    auto body = ReadBody(*source, name, size);
    if (classlib::SameText(name, L"Options.dat")) {
      if (convertor->Options) RaiseDamaged(L"it holds \"Options.dat\" twice");
      convertor->Options = std::move(body);
    } else {
      const bool isBitmap = classlib::SameText(classlib::ExtractFileExt(name), L".BMP");
      convertor->Images.push_back({std::move(name), isBitmap, std::move(body)});
      convertor->ImageCount = static_cast<int>(convertor->Images.size());
    }
  }
  if (!convertor->Options) RaiseDamaged(L"it holds no \"Options.dat\"");
}

void LoadPackedSkinFile(const std::wstring& fileName, std::unique_ptr<TacSkinConvertor>& convertor,
                        bool freeSource) {
  if (!classlib::FileExists(fileName)) return;
  if (convertor)
    ClearPackedSkin(*convertor);
  else
    convertor = std::make_unique<TacSkinConvertor>();
  auto source = std::make_unique<classlib::TMemoryStream>();
  source->LoadFromFile(fileName);
  convertor->SetSource(std::move(source));
  ReadPackedSkin(convertor);
  if (freeSource) convertor->ReleaseSource();
}

void ClearPackedSkin(TacSkinConvertor& convertor) {
  while (!convertor.Images.empty()) convertor.Images.pop_back();
  convertor.Options.reset();
  convertor.ReleaseSource();
}

}  // namespace skin
