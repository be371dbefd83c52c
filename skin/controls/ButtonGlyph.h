#pragma once
// The picture of a button: its own glyph bitmap (frames side by side) or an
// image of its image list, each with a 32-bit path that keeps per-pixel
// alpha and a keyed path for opaque pictures; and the picture of a tool
// button during custom draw.
#include <windows.h>

#include <cstdint>
#include <string>

#include "classlib/controls/Control.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/menus/ImageList.h"
#include "skin/common/sCommonData.h"

namespace skin {

// What a button's picture is drawn from.
struct TButtonGlyphSource {
  classlib::TCustomImageList* Images = nullptr;
  classlib::TBitmap* Glyph = nullptr;  // a bitmap button's own glyph, or none
  int ImageIndex = -1;
  TsCommonData* SkinData = nullptr;
  TRect R;  // the glyph rectangle
  int NumGlyphs = 1;
  bool Enabled = true;
  int Blend = 0;  // 0..100, the picture's transparency in the normal state
  bool Down = false;
  bool Grayed = false;
  int State = 0;  // 0 normal, 1 hot, 2 pressed, 3 default
  std::uint8_t DisabledGlyphKind = 1;  // dgBlended 1, dgGrayed 2
  bool Reflected = false;
};

// Draws the picture of a TsBitBtn or TsButton into Canvas (null: the
// control's cache bitmap). Other controls draw nothing.
void PaintButtonGlyph(classlib::TControl* control, classlib::TCanvas* canvas);
// The same from collected values.
void PaintGlyphFrom(const TButtonGlyphSource& source, classlib::TCanvas* canvas);

// The number of images of a list, 0 for none.
int ImageListCount(const classlib::TCustomImageList* list);

// A tool button as custom draw sees it.
struct TToolButtonGlyph {
  classlib::TCustomImageList* Images = nullptr;
  classlib::TCustomImageList* HotImages = nullptr;
  int ImageIndex = -1;
  int ButtonWidth = 0, ButtonHeight = 0;
  bool ListStyle = false;     // image left of the caption
  bool ShowCaptions = false;  // captions under the images
  bool DropDown = false;      // a button with a drop-down arrow
};
// Draws the tool button's image into the adapter's 32-bit Bitmap for the
// custom-draw item state ItemState (CDIS_* bits).
void PaintToolButtonGlyph(classlib::TBitmap* bitmap, const TToolButtonGlyph& button, UINT itemState);

// Form classes that are never given a skin provider by the dialog hook.
bool IsExcludedFormClass(const std::wstring& className);

}  // namespace skin
