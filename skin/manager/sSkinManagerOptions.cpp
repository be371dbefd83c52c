#include "skin/manager/sSkinManagerOptions.h"

#include "classlib/core/PropertyRegistry.h"

namespace skin {

using namespace classlib;

namespace {

// An animation kind's properties with the defaults its constructor gives.
template <class C>
TPropertyBuilder<C> Animation(bool withMode) {
  const C defaults;
  auto builder = Properties<C, TacFormAnimation>();
  builder.Boolean(L"Active", &C::Active, &C::SetActive, defaults.Active())
      .Integer(L"Time", &C::Time, &C::SetTime, defaults.Time());
  if (withMode) builder.Enum(L"Mode", &C::Mode, &C::SetMode, defaults.Mode());
  return builder;
}

// The foreign-control lists in their published order, with their kinds.
struct ThirdPartyProperty {
  const wchar_t* name;
  int kind;
};
constexpr std::array<ThirdPartyProperty, ControlKindCount> kThirdPartyProperties = {{
    {L"ThirdEdits", 0},         {L"ThirdButtons", 1},       {L"ThirdBitBtns", 2},      {L"ThirdCheckBoxes", 3},
    {L"ThirdGroupBoxes", 6},    {L"ThirdListViews", 7},     {L"ThirdPanels", 8},       {L"ThirdGrids", 5},
    {L"ThirdTreeViews", 9},     {L"ThirdComboBoxes", 4},    {L"ThirdWWEdits", 10},     {L"ThirdVirtualTrees", 12},
    {L"ThirdGridEh", 11},       {L"ThirdPageControl", 13},  {L"ThirdTabControl", 14},  {L"ThirdToolBar", 15},
    {L"ThirdStatusBar", 16},    {L"ThirdSpeedButton", 17},  {L"ThirdScrollControl", 18}, {L"ThirdUpDown", 19},
    {L"ThirdScrollBar", 20},
}};

}  // namespace

void RegisterSkinManagerOptionClasses() {
  static const bool done = [] {
    RegisterEnum<TacSkinningRule>({L"srStdForms", L"srStdDialogs", L"srThirdParty"});
    RegisterEnum<TacAnimType>({L"atFading", L"atAero"});
    RegisterEnum<TacBtnEvent>({L"beMouseEnter", L"beMouseLeave", L"beMouseDown", L"beMouseUp"});

    Properties<TacSkinEffects, TPersistent>()
        .Boolean(L"AllowGlowing", &TacSkinEffects::AllowGlowing, &TacSkinEffects::SetAllowGlowing, true)
        .Boolean(L"AllowAeroBluring", &TacSkinEffects::AllowAeroBluring, &TacSkinEffects::SetAllowAeroBluring, true);
    Properties<TacBtnEffects, TPersistent>().Set(L"Events", &TacBtnEffects::Events, &TacBtnEffects::SetEvents,
                                                 TacBtnEffects(nullptr).Events());
    Properties<TacFormAnimation, TPersistent>();
    Animation<TacBlendOnMoving>(false).Integer(L"BlendValue", &TacBlendOnMoving::BlendValue,
                                               &TacBlendOnMoving::SetBlendValue, 170);
    Animation<TacMinimizing>(false);
    Animation<TacFormShow>(true);
    Animation<TacFormHide>(true);
    Animation<TacPageChange>(false);
    Animation<TacDialogShow>(true);
    Animation<TacSkinChanging>(true);
    using A = TacAnimEffects;
    Properties<A, TPersistent>()
        .Object(L"BlendOnMoving", &A::BlendOnMoving)
        .Object(L"Buttons", &A::Buttons)
        .Object(L"DialogShow", &A::DialogShow)
        .Object(L"FormShow", &A::FormShow)
        .Object(L"FormHide", &A::FormHide)
        .Object(L"DialogHide", &A::DialogHide)
        .Object(L"Minimizing", &A::Minimizing)
        .Object(L"PageChange", &A::PageChange)
        .Object(L"SkinChanging", &A::SkinChanging);

    auto lists = Properties<ThirdPartyList, TPersistent>();
    for (const auto& [name, kind] : kThirdPartyProperties)
      lists.String(
          name, [kind = kind](const ThirdPartyList& l) { return l.Text(kind); },
          [kind = kind](ThirdPartyList& l, const std::wstring& v) { l.SetText(kind, v); });
    return true;
  }();
  (void)done;
}

}  // namespace skin
