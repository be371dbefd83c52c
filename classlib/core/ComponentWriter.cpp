#include "classlib/core/ComponentWriter.h"

#include "classlib/core/Collection.h"
#include "classlib/core/Filer.h"
#include "classlib/core/FormPrinter.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/Stream.h"

namespace classlib {

namespace {

// Sub-objects nest only a few levels in practice; a cycle of sub-object
// getters must not recurse for ever.
constexpr int kMaxDepth = 32;

class TDefinedPropertyCollector : public TFiler {
 public:
  TDefinedPropertyCollector(std::vector<TFormProperty>& out, const std::wstring& prefix)
      : out_(out), prefix_(prefix) {}
  void DefineProperty(const std::wstring& name, TFormValueReader, TFormValueWriter write, bool hasData) override {
    if (hasData && write) out_.push_back({prefix_ + name, write(), 0});
  }
  void DefineBinaryProperty(const std::wstring& name, TStreamProc, TStreamProc write, bool hasData) override {
    if (!hasData || !write) return;
    TMemoryStream stream;
    write(stream);
    out_.push_back({prefix_ + name, TFormValue::MakeBinary(stream.Bytes()), 0});
  }

 private:
  std::vector<TFormProperty>& out_;
  const std::wstring& prefix_;
};

class TSaver {
 public:
  explicit TSaver(TComponent* root) : root_(root) {}

  TFormObject WriteObject(TComponent* component) {
    TFormObject node;
    node.Name = component->Name();
    node.ClassName = component->ClassName();
    WriteProperties(component, L"", node.Properties, 0);
    component->GetChildren([&](TComponent* child) { node.Children.push_back(WriteObject(child)); }, root_);
    return node;
  }

 private:
  void WriteProperties(TObject* instance, const std::wstring& prefix, std::vector<TFormProperty>& out, int depth) {
    if (depth > kMaxDepth) throw EWriteError(L"Sub-objects nested too deeply");
    for (const TPropInfo* info : ClassInfoOf(instance)->AllProperties()) {
      if (!info->ShouldWrite(instance)) continue;
      const std::wstring name = prefix + info->Name;
      switch (info->Kind) {
        case TPropKind::Integer: {
          const int64_t value = info->GetOrd(instance);
          const std::wstring* ident = info->Idents ? info->Idents->NameOf(value) : nullptr;
          out.push_back({name, ident ? TFormValue::MakeIdent(*ident) : TFormValue::MakeInteger(value), 0});
          break;
        }
        case TPropKind::Enumeration:
          out.push_back({name, TFormValue::MakeIdent(info->Names->NameOf(info->GetOrd(instance))), 0});
          break;
        case TPropKind::Boolean:
          out.push_back({name, TFormValue::MakeIdent(info->GetOrd(instance) ? L"True" : L"False"), 0});
          break;
        case TPropKind::Set: {
          const uint64_t mask = static_cast<uint64_t>(info->GetOrd(instance));
          std::vector<std::wstring> names;
          for (size_t i = 0; i < info->Names->Names.size() && i < 64; ++i)
            if (mask & (uint64_t{1} << i)) names.push_back(info->Names->Names[i]);
          out.push_back({name, TFormValue::MakeSet(std::move(names)), 0});
          break;
        }
        case TPropKind::Float:
          out.push_back({name, TFormValue::MakeFloat(info->GetFloat(instance)), 0});
          break;
        case TPropKind::String:
          out.push_back({name, TFormValue::MakeString(info->GetStr(instance)), 0});
          break;
        case TPropKind::Object:
          WriteSubObject(info->GetSubObject(instance), name, out, depth);
          break;
        case TPropKind::Component: {
          // Only references the description can resolve: the root and
          // named components it owns.
          const auto* target = dynamic_cast<const TComponent*>(info->GetSubObject(instance));
          if (target && !target->Name().empty() && (target == root_ || target->Owner() == root_))
            out.push_back({name, TFormValue::MakeIdent(target->Name()), 0});
          break;
        }
        case TPropKind::Method: {
          const std::wstring method = info->GetMethodName(instance);
          if (!method.empty()) out.push_back({name, TFormValue::MakeIdent(method), 0});
          break;
        }
      }
    }
    if (auto* persistent = dynamic_cast<TPersistent*>(instance)) {
      TDefinedPropertyCollector collector(out, prefix);
      persistent->DefineProperties(collector);
    }
  }

  void WriteSubObject(TObject* object, const std::wstring& name, std::vector<TFormProperty>& out, int depth) {
    if (!object) return;
    if (auto* collection = dynamic_cast<TCollection*>(object)) {
      if (collection->Count() == 0) return;
      TFormValue value;
      value.Kind = TFormValueKind::Collection;
      for (int i = 0; i < collection->Count(); ++i) {
        TFormItem item;
        WriteProperties(collection->Items(i), L"", item.Properties, depth + 1);
        value.Items.push_back(std::move(item));
      }
      out.push_back({name, std::move(value), 0});
      return;
    }
    WriteProperties(object, name + L".", out, depth + 1);
  }

  TComponent* root_;
};

}  // namespace

TFormObject WriteComponent(TComponent* root) { return TSaver(root).WriteObject(root); }

std::wstring WriteComponentToText(TComponent* root) { return PrintFormText(WriteComponent(root)); }

}  // namespace classlib
