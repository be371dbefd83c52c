#include "FormTestClasses.h"

#include <algorithm>

namespace formtest {

std::vector<TLoadedRecord>& LoadedLog() {
  static std::vector<TLoadedRecord> log;
  return log;
}

TTestControl::~TTestControl() {
  // Children are owned by the form, not by their parent: let them go first
  // when the form is freed, and detach this control from its parent.
  for (TTestControl* c : controls_) c->parent_ = nullptr;
  SetParent(nullptr);
}

void TTestControl::SetParent(TTestControl* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
  }
  parent_ = parent;
  if (parent_) parent_->controls_.push_back(this);
}

void TTestControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TTestControl* c : controls_)
    if (c->Owner() == root) proc(c);
  if (root == this)
    for (int i = 0; i < ComponentCount(); ++i)
      if (!Components(i)->HasParent()) proc(Components(i));
}

void TTestControl::Loaded() {
  TComponent::Loaded();
  LoadedLog().push_back({Name(), ComponentState(), buddy_ != nullptr});
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  Notifications.emplace_back(component, operation);
  if (operation == opRemove && component == buddy_) buddy_ = nullptr;
}

TTestForm::TTestForm(TComponent* owner) : TTestControl(owner) {
  RegisterMethod(L"Button1Click", &TTestForm::Button1Click);
  RegisterMethod(L"FormResize", &TTestForm::FormResize);
  RegisterField(L"Button1", Button1);
}

void RegisterTestClasses() {
  static const bool done = [] {
    RegisterEnum<TTestAlign>({L"alNone", L"alTop", L"alClient"});
    RegisterEnum<TTestAnchor>({L"akLeft", L"akTop", L"akRight", L"akBottom"});
    static const TIdentMap colors{{{L"clBlack", 0}, {L"clRed", 0xFF}}};
    Properties<TTestFont, TPersistent>()
        .Integer(L"Height", &TTestFont::Height, &TTestFont::SetHeight, -12)
        .String(L"Name", &TTestFont::Name, &TTestFont::SetName, L"Tahoma");
    Properties<TTestColumn, TCollectionItem>()
        .Integer(L"Width", &TTestColumn::Width, &TTestColumn::SetWidth, 0)
        .String(L"Title", &TTestColumn::Title, &TTestColumn::SetTitle);
    Properties<TTestPicture, TPersistent>();
    RegisterComponentClass<TTestControl, TComponent>();
    Properties<TTestControl, TComponent>()
        .Integer(L"Left", &TTestControl::Left, &TTestControl::SetLeft, 0)
        .String(L"Caption", &TTestControl::Caption, &TTestControl::SetCaption)
        .Boolean(L"Visible", &TTestControl::Visible, &TTestControl::SetVisible, true)
        .Enum(L"Align", &TTestControl::Align, &TTestControl::SetAlign, alNone)
        .Set(L"Anchors", &TTestControl::Anchors, &TTestControl::SetAnchors, TTestAnchors{akLeft, akTop})
        .Float(L"Ratio", &TTestControl::Ratio, &TTestControl::SetRatio, 0.0)
        .Integer(L"Color", &TTestControl::Color, &TTestControl::SetColor)
        .Idents(colors)
        .Stored([](const TTestControl& c) { return c.Color() != 0; })
        .Object(L"Font", &TTestControl::Font)
        .Object(L"Items", &TTestControl::Items)
        .Object(L"Columns", &TTestControl::Columns)
        .Object(L"Picture", &TTestControl::Picture)
        .Component(L"Buddy", &TTestControl::Buddy, &TTestControl::SetBuddy)
        .Event(L"OnClick", &TTestControl::OnClick, &TTestControl::SetOnClick);
    RegisterComponentClass<TTestForm, TTestControl>();
    return true;
  }();
  (void)done;
}

}  // namespace formtest
