#pragma once
// The chunk objects of a PNG image and the process-wide registry of chunk
// classes. A chunk keeps its data bytes; the classes of known types also
// keep their values in fields and rebuild the data from them when saved.
// Types without a class are kept as plain TChunk objects, byte for byte.
#include <functional>
#include <string>
#include <typeindex>
#include <vector>

#include "classlib/core/Object.h"
#include "classlib/core/Stream.h"
#include "png/PngPointerList.h"

namespace png {

class TPNGObject;
class TChunkIHDR;

class TChunk : public classlib::TObject {
 public:
  explicit TChunk(TPNGObject* owner);

  // The chunk type of the class: its class name from the seventh character
  // on ("TChunkIHDR" gives "IHDR"; a plain TChunk gives "").
  std::string GetName() const;

  // Copies name and data; derived classes copy their fields.
  virtual void Assign(const TChunk* source);
  // Called with the stream at the chunk's data: reads data and CRC.
  // Returns whether the CRC matched (a mismatch raises EPngInvalidCRC).
  virtual bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size);
  // Writes length, type, data and CRC.
  virtual bool SaveToStream(classlib::TStream& stream);

  uint8_t* Data() { return data_.data(); }
  const uint8_t* Data() const { return data_.data(); }
  uint32_t DataSize() const { return dataSize_; }
  void ResizeData(uint32_t size);

  TPNGObject* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  // The owner's first chunk as a header chunk; raises EPNGHeaderNotPresent
  // when that chunk is not one.
  TChunkIHDR* GetHeader() const;

 protected:
  // Writes the current data under Name.
  bool WriteData(classlib::TStream& stream) const;

 private:
  TPNGObject* owner_;
  std::string name_;
  std::vector<uint8_t> data_;  // DataSize + 1 bytes
  uint32_t dataSize_ = 0;
};

// The chunk list of an image: owned chunk objects in file order.
class TPNGList : public TPNGPointerList {
 public:
  using TPNGPointerList::TPNGPointerList;
  TChunk* Item(uint32_t index) const { return static_cast<TChunk*>(GetItem(index)); }
  // The first chunk of class T or derived from it, or null.
  template <class T>
  T* FindChunk() const {
    for (uint32_t i = 0; i < Count(); ++i)
      if (auto* chunk = dynamic_cast<T*>(Item(i))) return chunk;
    return nullptr;
  }
};

// A chunk class as the registry knows it.
struct TChunkClass {
  std::string Name;
  std::type_index Type = typeid(void);
  std::function<TChunk*(TPNGObject*)> Create;
};

template <class T>
TChunkClass ChunkClassOf() {
  const std::wstring className = classlib::ClassNameOf<T>();
  std::string name;
  for (size_t i = 6; i < className.size(); ++i) name.push_back(static_cast<char>(className[i]));
  return TChunkClass{name, typeid(T), [](TPNGObject* owner) -> TChunk* { return new T(owner); }};
}

// Appends a class to the registry (which starts with the codec's own
// classes: IEND, IHDR, IDAT, PLTE, gAMA, tRNS, pHYs, tIME, tEXt, zTXt).
void RegisterChunk(const TChunkClass& chunkClass);
template <class T>
void RegisterChunk() {
  RegisterChunk(ChunkClassOf<T>());
}

// A new chunk of class T with its type as Name.
template <class T>
T* NewChunk(TPNGObject* owner) {
  T* chunk = new T(owner);
  chunk->SetName(chunk->GetName());
  return chunk;
}

// A chunk of the first registered class whose name equals `name` exactly
// (case counts), else a plain TChunk; its Name is `name`.
TChunk* CreateClassChunk(TPNGObject* owner, const std::string& name);

}  // namespace png
