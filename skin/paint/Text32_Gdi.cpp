#include "skin/paint/Text32_Gdi.h"

#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/SectionLookup.h"
#include "skin/paint/TextHelpers_Gdi.h"
#include "skin/paint/TextStamp.h"

namespace skin::paint {

using classlib::Point;
using classlib::Rect;

namespace {

// The text drawn black on white in Bmp's font into a temporary image of R's
// size, then mixed into Bmp at R moved by (Dx, Dy).
void Stamp(classlib::TBitmap* bmp, const TText32Params& p, TColor color, std::int32_t dx, std::int32_t dy) {
  const std::unique_ptr<classlib::TBitmap> stamp(NewBitmap32(p.R.Width(), p.R.Height()));
  classlib::TCanvas* c = stamp->Canvas();
  c->Brush()->SetColor(classlib::clWhite);
  c->FillRect(Rect(0, 0, p.R.Width(), p.R.Height()));
  c->SetFont(bmp->Canvas()->Font());
  c->Font()->SetColor(classlib::clBlack);
  SetBkMode(c->Handle(), TRANSPARENT);
  TRect r = Rect(0, 0, p.R.Width(), p.R.Height());
  acDrawText(c->Handle(), p.Text, r, p.Flags);
  GdiFlush();  // the pixels are read next
  StampText(ViewOf(bmp), ViewOf(stamp.get()), Point(p.R.Left + dx, p.R.Top + dy), classlib::ColorToRGB(color));
}

}  // namespace

void PaintText32(classlib::TBitmap* bmp, const TText32Params& p) {
  if (!ViewOf(bmp).Is32() || p.Text.empty() || p.R.IsEmpty()) return;
  GdiFlush();  // earlier GDI drawing on Bmp lands before its pixels are mixed
  const TsGeneralData* section = SectionOf(p.SkinManager, p.SkinIndex);
  if (!section) {
    Stamp(bmp, p, bmp->Canvas()->Font()->Color(), 0, 0);
    return;
  }
  const TsGenState& state = StateOf(*section, p.Hot);
  if (p.Contour)
    for (const TContourSide& side : kContourSides)
      if (state.TextColors[side.Index] != -1) Stamp(bmp, p, state.TextColors[side.Index], side.Dx, side.Dy);
  Stamp(bmp, p, state.FontColor, 0, 0);
}

}  // namespace skin::paint
