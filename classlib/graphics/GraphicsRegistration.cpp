#include "classlib/graphics/GraphicsRegistration.h"

#include "classlib/graphics/BrushPen.h"
#include "classlib/graphics/Font.h"
#include "classlib/graphics/Picture.h"
// After <windows.h> (included above), so the registry's members are named
// alike in every file of this layer.
#include "classlib/core/PropertyRegistry.h"

namespace classlib {

namespace {

const TIdentMap& CharsetIdents() {
  static const TIdentMap idents{{
      {L"ANSI_CHARSET", ANSI_CHARSET},
      {L"DEFAULT_CHARSET", DEFAULT_CHARSET},
      {L"SYMBOL_CHARSET", SYMBOL_CHARSET},
      {L"MAC_CHARSET", MAC_CHARSET},
      {L"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
      {L"HANGEUL_CHARSET", HANGEUL_CHARSET},
      {L"JOHAB_CHARSET", JOHAB_CHARSET},
      {L"GB2312_CHARSET", GB2312_CHARSET},
      {L"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
      {L"GREEK_CHARSET", GREEK_CHARSET},
      {L"TURKISH_CHARSET", TURKISH_CHARSET},
      {L"VIETNAMESE_CHARSET", VIETNAMESE_CHARSET},
      {L"HEBREW_CHARSET", HEBREW_CHARSET},
      {L"ARABIC_CHARSET", ARABIC_CHARSET},
      {L"BALTIC_CHARSET", BALTIC_CHARSET},
      {L"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
      {L"THAI_CHARSET", THAI_CHARSET},
      {L"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
      {L"OEM_CHARSET", OEM_CHARSET},
  }};
  return idents;
}

void RegisterAll() {
  RegisterEnum<TFontStyle>({L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"});
  RegisterEnum<TFontPitch>({L"fpDefault", L"fpVariable", L"fpFixed"});
  RegisterEnum<TBrushStyle>(
      {L"bsSolid", L"bsClear", L"bsHorizontal", L"bsVertical", L"bsFDiagonal", L"bsBDiagonal", L"bsCross", L"bsDiagCross"});
  RegisterEnum<TPenStyle>({L"psSolid", L"psDash", L"psDot", L"psDashDot", L"psDashDotDot", L"psClear", L"psInsideFrame"});
  RegisterEnum<TPenMode>({L"pmBlack", L"pmNotMerge", L"pmMaskNotPen", L"pmNotCopy", L"pmMaskPenNot", L"pmNot",
                          L"pmXor", L"pmNotMask", L"pmMask", L"pmNotXor", L"pmNop", L"pmMergeNotPen", L"pmCopy",
                          L"pmMergePenNot", L"pmMerge", L"pmWhite"});

  Properties<TGraphicsObject, TPersistent>();
  Properties<TFont, TGraphicsObject>()
      .Integer(L"Charset", &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET)
      .Idents(CharsetIdents())
      .Integer(L"Color", &TFont::Color, &TFont::SetColor, clWindowText)
      .Idents(ColorIdents())
      .Integer(L"Height", &TFont::Height, &TFont::SetHeight)
      .String(L"Name", &TFont::Name, &TFont::SetName)
      .Enum(L"Pitch", &TFont::Pitch, &TFont::SetPitch, fpDefault)
      // Size follows from Height; it is read but never written.
      .Integer(L"Size", &TFont::Size, &TFont::SetSize)
      .Stored([](const TFont&) { return false; })
      .Set(L"Style", &TFont::Style, &TFont::SetStyle, TFontStyles{});
  Properties<TBrush, TGraphicsObject>()
      .Integer(L"Color", &TBrush::Color, &TBrush::SetColor, clWhite)
      .Idents(ColorIdents())
      .Enum(L"Style", &TBrush::Style, &TBrush::SetStyle, bsSolid);
  Properties<TPen, TGraphicsObject>()
      .Integer(L"Color", &TPen::Color, &TPen::SetColor, clBlack)
      .Idents(ColorIdents())
      .Enum(L"Mode", &TPen::Mode, &TPen::SetMode, pmCopy)
      .Enum(L"Style", &TPen::Style, &TPen::SetStyle, psSolid)
      .Integer(L"Width", &TPen::Width, &TPen::SetWidth, 1);
  // The picture stores its graphic through DefineProperties ("Data").
  Properties<TPicture, TPersistent>();
  Properties<TGraphic, TPersistent>();
}

}  // namespace

void RegisterGraphicsClasses() {
  static const bool done = (RegisterAll(), true);
  (void)done;
}

}  // namespace classlib
