#pragma once
// Small component classes that exercise the form description machinery the
// way controls will: nested parents, a font sub-object, a string list, a
// collection, a binary picture, references and events.
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Collection.h"
#include "classlib/core/Component.h"
#include "classlib/core/Filer.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/Stream.h"
#include "classlib/core/Strings.h"

namespace formtest {

using namespace classlib;

enum TTestAlign { alNone, alTop, alClient };
enum TTestAnchor { akLeft, akTop, akRight, akBottom };
using TTestAnchors = TSet<TTestAnchor>;

class TTestFont : public TPersistent {
 public:
  int Height() const { return height_; }
  void SetHeight(int v) { height_ = v; }
  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& v) { name_ = v; }
  void Assign(const TPersistent* source) override {
    if (const auto* f = dynamic_cast<const TTestFont*>(source)) {
      height_ = f->height_;
      name_ = f->name_;
      return;
    }
    TPersistent::Assign(source);
  }

 private:
  int height_ = -12;
  std::wstring name_ = L"Tahoma";
};

// Raw bytes stored through DefineBinaryProperty, as a bitmap stores its pixels.
class TTestPicture : public TPersistent {
 public:
  std::vector<uint8_t> Data;
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        L"Data", [this](TStream& s) { Data = s.ReadRemaining(); },
        [this](TStream& s) { s.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size())); }, !Data.empty());
  }
};

class TTestColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  int Width() const { return width_; }
  void SetWidth(int v) {
    width_ = v;
    Changed(false);
  }
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& v) { title_ = v; }
  void Assign(const TPersistent* source) override {
    if (const auto* c = dynamic_cast<const TTestColumn*>(source)) {
      width_ = c->width_;
      title_ = c->title_;
      return;
    }
    TCollectionItem::Assign(source);
  }

 private:
  int width_ = 0;
  std::wstring title_;
};

class TTestColumns : public TCollection {
 public:
  explicit TTestColumns(TPersistent* owner) : TCollection(owner, ItemClass<TTestColumn>()) {}
  TTestColumn* Items(int i) const { return static_cast<TTestColumn*>(TCollection::Items(i)); }
  std::vector<TCollectionItem*> Updates;  // the argument of every Update

 protected:
  void Update(TCollectionItem* item) override { Updates.push_back(item); }
};

// What each component saw when its Loaded ran.
struct TLoadedRecord {
  std::wstring Name;
  TComponentState State;
  bool BuddyResolved;
};
std::vector<TLoadedRecord>& LoadedLog();

class TTestControl : public TComponent {
 public:
  explicit TTestControl(TComponent* owner) : TComponent(owner) {}
  ~TTestControl() override;

  int Left() const { return left_; }
  void SetLeft(int v) { left_ = v; }
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& v) { caption_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  TTestAlign Align() const { return align_; }
  void SetAlign(TTestAlign v) { align_ = v; }
  TTestAnchors Anchors() const { return anchors_; }
  void SetAnchors(TTestAnchors v) { anchors_ = v; }
  double Ratio() const { return ratio_; }
  void SetRatio(double v) { ratio_ = v; }
  int Color() const { return color_; }
  void SetColor(int v) { color_ = v; }
  TTestFont* Font() const { return font_.get(); }
  TStringList* Items() const { return items_.get(); }
  TTestColumns* Columns() const { return columns_.get(); }
  TTestPicture* Picture() const { return picture_.get(); }
  TTestControl* Buddy() const { return buddy_; }
  void SetBuddy(TTestControl* v) { buddy_ = v; }
  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent v) { onClick_ = std::move(v); }

  TTestControl* Parent() const { return parent_; }
  void SetParent(TTestControl* parent);
  const std::vector<TTestControl*>& Controls() const { return controls_; }

  void SetParentComponent(TComponent* parent) override { SetParent(dynamic_cast<TTestControl*>(parent)); }
  TComponent* GetParentComponent() const override { return parent_; }
  bool HasParent() const override { return parent_ != nullptr; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;

  std::vector<std::pair<TComponent*, TOperation>> Notifications;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int left_ = 0;
  std::wstring caption_;
  bool visible_ = true;
  TTestAlign align_ = alNone;
  TTestAnchors anchors_{akLeft, akTop};
  double ratio_ = 0;
  int color_ = 0;
  std::unique_ptr<TTestFont> font_ = std::make_unique<TTestFont>();
  std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
  std::unique_ptr<TTestColumns> columns_ = std::make_unique<TTestColumns>(this);
  std::unique_ptr<TTestPicture> picture_ = std::make_unique<TTestPicture>();
  TTestControl* buddy_ = nullptr;
  TNotifyEvent onClick_;
  TTestControl* parent_ = nullptr;
  std::vector<TTestControl*> controls_;
};

// A form: registers its event handlers and its field before reading.
class TTestForm : public TTestControl {
 public:
  explicit TTestForm(TComponent* owner);
  void Button1Click(TObject* sender) { Clicks.push_back(sender); }
  void FormResize(TObject*, int) {}

  TTestControl* Button1 = nullptr;
  std::vector<TObject*> Clicks;
};

// Registers the enumerations and classes above (once).
void RegisterTestClasses();

}  // namespace formtest
