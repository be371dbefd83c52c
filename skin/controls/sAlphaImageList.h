#pragma once
// The skinned image list: images with their own alpha channel (PNG glyphs
// and menu icons), addressed by index like any image list.
#include "classlib/graphics/Graphic.h"
#include "classlib/menus/ImageList.h"

namespace skin {

class TsAlphaImageList : public classlib::TCustomImageList {
 public:
  explicit TsAlphaImageList(classlib::TComponent* owner);

  // Adds the graphic (of any class the picture class reads, PNG included),
  // centred on a transparent image of Width x Height that keeps its alpha;
  // returns its index, -1 when the graphic is empty or the list refused it.
  int AddGraphic(classlib::TGraphic& graphic);
  // The same for a picture file.
  int AddFromFile(const std::wstring& fileName);
};

}  // namespace skin
