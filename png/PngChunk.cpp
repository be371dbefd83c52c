#include "png/PngChunk.h"

#include <cstring>

#include "png/PngChunkIO.h"
#include "png/PngChunks.h"
#include "png/PngErrors.h"
#include "png/PngObject.h"

namespace png {

// The name comes from the class once it is fully made (NewChunk,
// CreateClassChunk): during construction the class is not yet known.
TChunk::TChunk(TPNGObject* owner) : owner_(owner), data_(1, 0) {}

std::string TChunk::GetName() const {
  const std::wstring className = ClassName();
  std::string name;
  for (size_t i = 6; i < className.size(); ++i) name.push_back(static_cast<char>(className[i]));
  return name;
}

void TChunk::ResizeData(uint32_t size) {
  dataSize_ = size;
  data_.resize(size_t{size} + 1);
}

void TChunk::Assign(const TChunk* source) {
  name_ = source->name_;
  ResizeData(source->dataSize_);
  std::memcpy(data_.data(), source->data_.data(), dataSize_);
}

bool TChunk::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  std::vector<uint8_t> data;
  char type[4] = {0, 0, 0, 0};
  std::memcpy(type, chunkName.data(), std::min<size_t>(4, chunkName.size()));
  ReadChunkData(stream, type, size, data);
  ResizeData(size);
  if (size) std::memcpy(data_.data(), data.data(), size);
  return true;
}

bool TChunk::WriteData(classlib::TStream& stream) const {
  char type[4] = {0, 0, 0, 0};
  std::memcpy(type, name_.data(), std::min<size_t>(4, name_.size()));
  WriteChunk(stream, type, data_.data(), dataSize_);
  return true;
}

bool TChunk::SaveToStream(classlib::TStream& stream) { return WriteData(stream); }

TChunkIHDR* TChunk::GetHeader() const {
  auto* header = dynamic_cast<TChunkIHDR*>(owner_->Chunks().Item(0));
  if (!header) RaiseError<EPNGHeaderNotPresent>();
  return header;
}

namespace {

std::vector<TChunkClass>& Registry() {
  static std::vector<TChunkClass> registry = {
      ChunkClassOf<TChunkIEND>(), ChunkClassOf<TChunkIHDR>(), ChunkClassOf<TChunkIDAT>(), ChunkClassOf<TChunkPLTE>(),
      ChunkClassOf<TChunkgAMA>(), ChunkClassOf<TChunktRNS>(), ChunkClassOf<TChunkpHYs>(), ChunkClassOf<TChunktIME>(),
      ChunkClassOf<TChunktEXt>(), ChunkClassOf<TChunkzTXt>()};
  return registry;
}

}  // namespace

void RegisterChunk(const TChunkClass& chunkClass) { Registry().push_back(chunkClass); }

TChunk* CreateClassChunk(TPNGObject* owner, const std::string& name) {
  TChunk* chunk = nullptr;
  for (const TChunkClass& c : Registry()) {
    if (c.Name == name) {
      chunk = c.Create(owner);
      break;
    }
  }
  if (!chunk) chunk = new TChunk(owner);
  chunk->SetName(name);
  return chunk;
}

}  // namespace png
