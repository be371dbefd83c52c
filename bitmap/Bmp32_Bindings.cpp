#include "bitmap/Bmp32_Bindings.h"

#include <memory>

namespace bmp32 {

namespace {

class RegistryList {
 public:
  ~RegistryList() {
    while (!items_.empty()) items_.pop_back();
  }
  TFunctionRegistry& Create(std::wstring name) {
    items_.push_back(std::make_unique<TFunctionRegistry>(std::move(name)));
    return *items_.back();
  }

 private:
  std::vector<std::unique_ptr<TFunctionRegistry>> items_;
};

RegistryList& Registries() {
  static RegistryList list;
  return list;
}

}  // namespace

std::int32_t FeaturePriority(const TFunctionVariant& info, TProcessorFeatures available) {
  return (info.RequiredFeatures & ~available) == 0 ? 0 : NO_PRIORITY;
}

std::int32_t DefaultPriority(const TFunctionVariant& info) {
  return FeaturePriority(info, ProcessorFeatures());
}

void TFunctionRegistry::AddVariant(std::int32_t functionID, TGenericProc proc,
                                   TProcessorFeatures requiredFeatures, std::int32_t flags) {
  variants_.push_back({functionID, proc, requiredFeatures, flags});
}

TGenericProc TFunctionRegistry::FindVariant(std::int32_t functionID,
                                            const TPriorityCallback& priority) const {
  std::int32_t minPriority = NO_PRIORITY;
  TGenericProc result = nullptr;
  // Backwards with a strict comparison: of equal priorities the last
  // registered wins.
  for (auto it = variants_.rbegin(); it != variants_.rend(); ++it) {
    if (it->FunctionID != functionID) continue;
    const std::int32_t p = priority ? priority(*it) : DefaultPriority(*it);
    if (p < minPriority) {
      minPriority = p;
      result = it->Proc;
    }
  }
  return result;
}

void TFunctionRegistry::BindAll(const TPriorityCallback& priority) {
  for (const TBindingRecord& binding : bindings_)
    binding.Assign(binding.Target, FindVariant(binding.FunctionID, priority));
}

void TFunctionRegistry::Clear() {
  variants_.clear();
  bindings_.clear();
}

TFunctionRegistry& CreateRegistry(std::wstring name) {
  return Registries().Create(std::move(name));
}

}  // namespace bmp32
