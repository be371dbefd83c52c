#include <cstring>

#include "png/PngChunks.h"
#include "png/PngIdatReader.h"
#include "png/PngIdatWriter.h"
#include "png/PngObject.h"

namespace png {

bool TChunkIDAT::LoadFromStream(classlib::TStream& stream, const std::string&, uint32_t size) {
  TChunkIHDR* header = GetHeader();
  // Grey images show through a ramp over every value a stored pixel can hold.
  if ((header->ColorType() == COLOR_GRAYSCALE || header->ColorType() == COLOR_GRAYSCALEALPHA) && header->HasPalette())
    header->SetImagePalette(header->MakeGreyRamp(header->PaletteSize()));
  TPngIdatReader reader(stream, size);
  reader.Decode(header->View(), Owner()->InterlaceMethod(), Owner()->GammaTable().data());
  return true;
}

bool TChunkIDAT::SaveToStream(classlib::TStream& stream) {
  TChunkIHDR* header = GetHeader();
  TIdatWriteSettings settings;
  settings.Filters = Owner()->Filters();
  settings.CompressionLevel = Owner()->CompressionLevel();
  settings.MaxIdatSize = static_cast<uint32_t>(Owner()->MaxIdatSize());
  settings.InterlaceMethod = Owner()->InterlaceMethod();
  WriteIdat(stream, header->View(), settings, Owner()->InverseGamma().data());
  return true;
}

}  // namespace png
