#include "bitmap/Bmp32_PropertyCopy.h"

#include <gtest/gtest.h>

#include "classlib/core/Strings.h"

namespace {

using classlib::TNotifyEvent;
using classlib::TPersistent;
using classlib::TStringList;

// Two unrelated classes sharing some property names, as two kernels would.
struct TSourceSettings : TPersistent {
  int Width = 0;
  double Ratio = 0;
  std::wstring Label;
  bool Smooth = false;
  TStringList Lines;
  TNotifyEvent OnChange;
  int OnlyHere = 0;
  std::wstring Mismatch;  // a string here, an integer in the destination
};

struct TDestSettings : TPersistent {
  int Width = 0;
  double Ratio = 0;
  std::wstring Label;
  bool Smooth = false;
  TStringList Lines;
  TNotifyEvent OnChange;
  int Mismatch = 7;
};

void RegisterSettings() {
  using S = TSourceSettings;
  using D = TDestSettings;
  classlib::Properties<S, TPersistent>()
      .Integer(L"Width", [](const S& s) { return s.Width; }, [](S& s, int v) { s.Width = v; })
      .Float(L"Ratio", [](const S& s) { return s.Ratio; }, [](S& s, double v) { s.Ratio = v; })
      .String(L"Label", [](const S& s) { return s.Label; }, [](S& s, const std::wstring& v) { s.Label = v; })
      .Boolean(L"Smooth", [](const S& s) { return s.Smooth; }, [](S& s, bool v) { s.Smooth = v; })
      .Object(L"Lines", [](const S& s) { return const_cast<TStringList*>(&s.Lines); })
      .Event(L"OnChange", [](const S& s) { return s.OnChange; }, [](S& s, TNotifyEvent e) { s.OnChange = e; })
      .Integer(L"OnlyHere", [](const S& s) { return s.OnlyHere; }, [](S& s, int v) { s.OnlyHere = v; })
      .String(L"Mismatch", [](const S& s) { return s.Mismatch; }, [](S& s, const std::wstring& v) { s.Mismatch = v; });
  classlib::Properties<D, TPersistent>()
      .Integer(L"Width", [](const D& d) { return d.Width; }, [](D& d, int v) { d.Width = v; })
      .Float(L"Ratio", [](const D& d) { return d.Ratio; }, [](D& d, double v) { d.Ratio = v; })
      .String(L"Label", [](const D& d) { return d.Label; }, [](D& d, const std::wstring& v) { d.Label = v; })
      .Boolean(L"Smooth", [](const D& d) { return d.Smooth; }, [](D& d, bool v) { d.Smooth = v; })
      .Object(L"Lines", [](const D& d) { return const_cast<TStringList*>(&d.Lines); })
      .Event(L"OnChange", [](const D& d) { return d.OnChange; }, [](D& d, TNotifyEvent e) { d.OnChange = e; })
      .Integer(L"Mismatch", [](const D& d) { return d.Mismatch; }, [](D& d, int v) { d.Mismatch = v; });
}

TEST(CopyPublishedProperties, CopiesEveryKindButEventsBetweenUnrelatedClasses) {
  RegisterSettings();
  TSourceSettings source;
  source.Width = 12;
  source.Ratio = 0.25;
  source.Label = L"Łagodny";
  source.Smooth = true;
  source.Lines.Add(L"pierwsza");
  source.OnChange = [](classlib::TObject*) {};
  source.OnlyHere = 5;
  source.Mismatch = L"tekst";

  TDestSettings dest;
  bmp32::CopyPublishedProperties(source, dest, bmp32::AllKindsButMethods());

  EXPECT_EQ(dest.Width, 12);
  EXPECT_DOUBLE_EQ(dest.Ratio, 0.25);
  EXPECT_EQ(dest.Label, L"Łagodny");
  EXPECT_TRUE(dest.Smooth);
  ASSERT_EQ(dest.Lines.Count(), 1);
  EXPECT_EQ(dest.Lines.Strings(0), L"pierwsza");
  EXPECT_FALSE(dest.OnChange) << "events are not copied";
  EXPECT_EQ(dest.Mismatch, 7) << "a property of another kind is left alone";
}

TEST(CopyPublishedProperties, CopiesOnlyTheKindsAsked) {
  RegisterSettings();
  TSourceSettings source;
  source.Width = 3;
  source.Label = L"x";
  TDestSettings dest;
  bmp32::CopyPublishedProperties(source, dest, {classlib::TPropKind::String});
  EXPECT_EQ(dest.Width, 0);
  EXPECT_EQ(dest.Label, L"x");
}

}  // namespace
