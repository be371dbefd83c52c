#include "classlib/core/ComponentReader.h"

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Collection.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/Filer.h"
#include "classlib/core/FormParser.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/PublishedProps.h"
#include "classlib/core/ResourceStream.h"

namespace classlib {

namespace {

// Finds the defined property of one name among those an object declares.
class TDefinedPropertyFinder : public TFiler {
 public:
  explicit TDefinedPropertyFinder(std::wstring_view name) : name_(name) {}
  void DefineProperty(const std::wstring& name, TFormValueReader read, TFormValueWriter, bool) override {
    if (!found_ && SameText(name, name_)) {
      found_ = true;
      read_ = std::move(read);
    }
  }
  void DefineBinaryProperty(const std::wstring& name, TStreamProc read, TStreamProc, bool) override {
    if (!found_ && SameText(name, name_)) {
      found_ = true;
      readBinary_ = std::move(read);
    }
  }
  bool Found() const { return found_; }
  const TFormValueReader& Reader() const { return read_; }
  const TStreamProc& BinaryReader() const { return readBinary_; }

 private:
  std::wstring_view name_;
  bool found_ = false;
  TFormValueReader read_;
  TStreamProc readBinary_;
};

class TLoader {
 public:
  explicit TLoader(TComponent* root) : root_(root) {}

  void Load(const TFormObject& description) {
    try {
      if (!SameText(root_->ClassName(), description.ClassName))
        ParserError(description.Line, L"Class " + description.ClassName + L" does not match " + root_->ClassName());
      Begin(root_, description);
      if (!description.Name.empty()) SetName(root_, description);
      ReadBody(root_, description);
      root_->SetLoadingState(true, false);
      ResolveFixups();
    } catch (...) {
      for (TComponent* c : loaded_) c->SetLoadingState(false, false);
      throw;
    }
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  struct TFixup {
    TObject* instance;
    const TPropInfo* info;
    std::wstring name;
    std::wstring owner;  // for messages
    int line;
  };

  void Begin(TComponent* component, const TFormObject&) {
    component->SetLoadingState(true, true);
    loaded_.push_back(component);
  }

  void SetName(TComponent* component, const TFormObject& node) {
    try {
      component->SetName(node.Name);
    } catch (const Exception& e) {
      ParserError(node.Line, e.Message());
    }
  }

  void ReadBody(TComponent* component, const TFormObject& node) {
    for (const TFormProperty& p : node.Properties) ReadProperty(component, p, node.Name);
    for (const TFormObject& child : node.Children) ReadChild(component, child);
  }

  void ReadChild(TComponent* parent, const TFormObject& node) {
    const TClassInfo* info = GetClass(node.ClassName);
    if (!info || !info->Factory) ParserError(node.Line, L"Class " + node.ClassName + L" not found");
    TComponent* child = nullptr;
    try {
      child = info->Factory(root_);
    } catch (const Exception& e) {
      ParserError(node.Line, L"Error creating " + node.ClassName + L": " + e.Message());
    }
    Begin(child, node);
    if (!node.Name.empty()) {
      SetName(child, node);
      if (!root_->BindField(node.Name, child))
        ParserError(node.Line, L"Field " + node.Name + L" is not of class " + node.ClassName);
    }
    try {
      child->SetParentComponent(parent);
    } catch (const Exception& e) {
      ParserError(node.Line, L"Error reading " + node.Name + L": " + e.Message());
    }
    ReadBody(child, node);
    child->SetLoadingState(true, false);
  }

  void ReadProperty(TObject* instance, const TFormProperty& property, const std::wstring& owner) {
    const int line = property.Line;
    std::wstring_view path = property.Name;
    // Walk owned sub-objects: Font.Height, Items.Strings.
    for (size_t dot; (dot = path.find(L'.')) != std::wstring_view::npos;) {
      const std::wstring part(path.substr(0, dot));
      const TPropInfo* info = ClassInfoOf(instance)->FindProperty(part);
      if (!info || info->Kind != TPropKind::Object) ParserError(line, L"Property " + property.Name + L" does not exist");
      instance = info->GetSubObject(instance);
      if (!instance) ParserError(line, L"Property " + part + L" of " + owner + L" is not set");
      path = path.substr(dot + 1);
    }
    const std::wstring name(path);
    try {
      if (const TPropInfo* info = ClassInfoOf(instance)->FindProperty(name)) {
        Apply(instance, *info, property, owner);
        return;
      }
      if (auto* persistent = dynamic_cast<TPersistent*>(instance)) {
        TDefinedPropertyFinder finder(name);
        persistent->DefineProperties(finder);
        if (finder.Found()) {
          ApplyDefined(finder, property);
          return;
        }
      }
    } catch (const EParserError&) {
      throw;
    } catch (const Exception& e) {
      ParserError(line, L"Error reading " + owner + L"." + property.Name + L": " + e.Message());
    }
    ParserError(line, L"Property " + property.Name + L" does not exist");
  }

  [[noreturn]] static void Invalid(const TFormProperty& property) {
    ParserError(property.Line, L"Invalid value for property " + property.Name);
  }

  void SetOrdinal(TObject* instance, const TPropInfo& info, const TFormProperty& property, int64_t value) {
    if (info.Kind == TPropKind::Set) {
      const size_t n = info.Names->Names.size();
      if (n < 64 && (static_cast<uint64_t>(value) >> n) != 0) Invalid(property);
    } else if (value < info.MinValue || value > info.MaxValue) {
      ParserError(property.Line, L"Value " + std::to_wstring(value) + L" out of range for property " + property.Name);
    }
    info.SetOrd(instance, value);
  }

  void Apply(TObject* instance, const TPropInfo& info, const TFormProperty& property, const std::wstring& owner) {
    const TFormValue& v = property.Value;
    switch (info.Kind) {
      case TPropKind::Integer:
        if (v.Kind == TFormValueKind::Integer) return SetOrdinal(instance, info, property, v.Integer);
        if (v.Kind == TFormValueKind::Ident && info.Idents)
          if (const auto value = info.Idents->ValueOf(v.Text)) return SetOrdinal(instance, info, property, *value);
        Invalid(property);
      case TPropKind::Enumeration:
        if (v.Kind == TFormValueKind::Ident)
          if (const auto value = info.Names->ValueOf(v.Text)) return SetOrdinal(instance, info, property, *value);
        Invalid(property);
      case TPropKind::Boolean:
        if (v.Kind == TFormValueKind::Ident && SameText(v.Text, L"True")) return info.SetOrd(instance, 1);
        if (v.Kind == TFormValueKind::Ident && SameText(v.Text, L"False")) return info.SetOrd(instance, 0);
        Invalid(property);
      case TPropKind::Set: {
        if (v.Kind != TFormValueKind::Set) Invalid(property);
        uint64_t mask = 0;
        for (const std::wstring& element : v.Names) {
          const auto value = info.Names->ValueOf(element);
          if (!value || *value >= 64) ParserError(property.Line, L"Invalid set element " + element);
          mask |= uint64_t{1} << *value;
        }
        return info.SetOrd(instance, static_cast<int64_t>(mask));
      }
      case TPropKind::Float:
        if (v.Kind == TFormValueKind::Float) return info.SetFloat(instance, v.Float);
        if (v.Kind == TFormValueKind::Integer) return info.SetFloat(instance, static_cast<double>(v.Integer));
        Invalid(property);
      case TPropKind::String:
        if (v.Kind != TFormValueKind::String) Invalid(property);
        return info.SetStr(instance, v.Text);
      case TPropKind::Object: {
        auto* collection = dynamic_cast<TCollection*>(info.GetSubObject(instance));
        if (v.Kind != TFormValueKind::Collection || !collection) Invalid(property);
        return ReadCollection(collection, v, owner + L"." + property.Name);
      }
      case TPropKind::Component:
        if (v.Kind != TFormValueKind::Ident) Invalid(property);
        if (SameText(v.Text, L"nil")) return void(info.SetSubObject(instance, nullptr));
        fixups_.push_back({instance, &info, v.Text, owner + L"." + property.Name, property.Line});
        return;
      case TPropKind::Method: {
        if (v.Kind != TFormValueKind::Ident) Invalid(property);
        if (SameText(v.Text, L"nil")) return void(info.SetMethod(instance, std::any()));
        const std::any* method = root_->FindMethod(v.Text);
        if (!method) ParserError(property.Line, L"Method " + v.Text + L" not found");
        if (!info.SetMethod(instance, *method))
          ParserError(property.Line, L"Method " + v.Text + L" does not fit event " + property.Name);
        return;
      }
    }
  }

  void ReadCollection(TCollection* collection, const TFormValue& value, const std::wstring& owner) {
    collection->BeginUpdate();
    try {
      collection->Clear();
      for (const TFormItem& item : value.Items) {
        TCollectionItem* added = collection->Add();
        for (const TFormProperty& p : item.Properties) ReadProperty(added, p, owner);
      }
    } catch (...) {
      collection->EndUpdate();
      throw;
    }
    collection->EndUpdate();
  }

  void ApplyDefined(const TDefinedPropertyFinder& finder, const TFormProperty& property) {
    if (finder.BinaryReader()) {
      if (property.Value.Kind != TFormValueKind::Binary) Invalid(property);
      TMemoryStream stream;
      stream.WriteBuffer(property.Value.Bytes.data(), static_cast<int64_t>(property.Value.Bytes.size()));
      stream.SetPosition(0);
      finder.BinaryReader()(stream);
    } else if (finder.Reader()) {
      finder.Reader()(property.Value);
    }
  }

  void ResolveFixups() {
    for (const TFixup& f : fixups_) {
      TComponent* target = SameText(f.name, root_->Name()) ? root_ : root_->FindComponent(f.name);
      if (!target) ParserError(f.line, L"Component " + f.name + L" not found");
      bool ok = false;
      try {
        ok = f.info->SetSubObject(f.instance, target);
      } catch (const Exception& e) {
        ParserError(f.line, L"Error reading " + f.owner + L": " + e.Message());
      }
      if (!ok) ParserError(f.line, L"Component " + f.name + L" does not fit property " + f.info->Name);
    }
  }

  TComponent* root_;
  std::vector<TComponent*> loaded_;
  std::vector<TFixup> fixups_;
};

}  // namespace

void ReadComponent(TComponent* root, const TFormObject& description) { TLoader(root).Load(description); }

void ReadComponentFromText(TComponent* root, std::wstring_view text) { ReadComponent(root, ParseFormText(text)); }

void ReadComponentFromBytes(TComponent* root, std::string_view bytes) { ReadComponent(root, ParseFormBytes(bytes)); }

void ReadComponentResource(TComponent* root, const std::wstring& resourceName) {
  const std::unique_ptr<TStream> stream = OpenResourceStream(resourceName);
  // A description with stored pictures runs to megabytes: read a memory
  // stream's bytes where they lie instead of copying them once more.
  if (auto* memory = dynamic_cast<TMemoryStream*>(stream.get())) {
    const int64_t position = memory->Position();
    ReadComponentFromBytes(root, std::string_view(reinterpret_cast<const char*>(memory->Memory()) + position,
                                                  static_cast<size_t>(memory->Size() - position)));
    return;
  }
  const std::vector<uint8_t> bytes = stream->ReadRemaining();
  ReadComponentFromBytes(root, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TComponent* CreateComponentFromText(std::wstring_view text, TComponent* owner) {
  const TFormObject description = ParseFormText(text);
  const TClassInfo* info = GetClass(description.ClassName);
  if (!info || !info->Factory) ParserError(description.Line, L"Class " + description.ClassName + L" not found");
  std::unique_ptr<TComponent> root(info->Factory(owner));
  ReadComponent(root.get(), description);
  return root.release();
}

}  // namespace classlib
