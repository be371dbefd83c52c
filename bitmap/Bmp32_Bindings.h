#pragma once
// The function registry: every pixel routine with processor-specific variants
// is called through a procedure variable, which the registry of its unit fills
// with the best variant for this processor at start-up.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bitmap/Bmp32_System.h"

namespace bmp32 {

// Any routine's address; each binding converts it back to its own type.
using TGenericProc = void (*)();

struct TFunctionVariant {
  std::int32_t FunctionID = 0;
  TGenericProc Proc = nullptr;
  TProcessorFeatures RequiredFeatures = 0;
  std::int32_t Flags = 0;
};

struct TBindingRecord {
  std::int32_t FunctionID = 0;
  void* Target = nullptr;                          // the procedure variable
  void (*Assign)(void* target, TGenericProc proc) = nullptr;
};

constexpr std::int32_t NO_PRIORITY = 0x7FFFFFFF;

// Lower is better; NO_PRIORITY means the variant cannot be used.
using TPriorityCallback = std::function<std::int32_t(const TFunctionVariant&)>;

// 0 when every feature the variant needs is in `available`, else NO_PRIORITY.
std::int32_t FeaturePriority(const TFunctionVariant& info, TProcessorFeatures available);
// FeaturePriority against this processor's features.
std::int32_t DefaultPriority(const TFunctionVariant& info);

class TFunctionRegistry {
 public:
  explicit TFunctionRegistry(std::wstring name) : name_(std::move(name)) {}
  TFunctionRegistry(const TFunctionRegistry&) = delete;
  TFunctionRegistry& operator=(const TFunctionRegistry&) = delete;

  template <class Fn>
  void Add(std::int32_t functionID, Fn* proc, TProcessorFeatures requiredFeatures = 0,
           std::int32_t flags = 0) {
    AddVariant(functionID, reinterpret_cast<TGenericProc>(proc), requiredFeatures, flags);
  }

  template <class Fn>
  void AddBinding(std::int32_t functionID, Fn** target) {
    bindings_.push_back({functionID, static_cast<void*>(target), &AssignTo<Fn>});
  }

  // Among the usable variants the one of lowest priority; among equal
  // priorities the one registered last. nullptr when none is usable.
  TGenericProc FindVariant(std::int32_t functionID,
                           const TPriorityCallback& priority = {}) const;

  template <class Fn>
  Fn* FindVariantAs(std::int32_t functionID, const TPriorityCallback& priority = {}) const {
    return reinterpret_cast<Fn*>(FindVariant(functionID, priority));
  }

  // Fills every bound procedure variable, in binding order.
  void BindAll(const TPriorityCallback& priority = {});
  void Clear();

  const std::wstring& Name() const { return name_; }
  void SetName(std::wstring name) { name_ = std::move(name); }
  const std::vector<TFunctionVariant>& Variants() const { return variants_; }
  const std::vector<TBindingRecord>& Bindings() const { return bindings_; }

 private:
  template <class Fn>
  static void AssignTo(void* target, TGenericProc proc) {
    *static_cast<Fn**>(target) = reinterpret_cast<Fn*>(proc);
  }
  void AddVariant(std::int32_t functionID, TGenericProc proc,
                  TProcessorFeatures requiredFeatures, std::int32_t flags);

  std::wstring name_;
  std::vector<TFunctionVariant> variants_;
  std::vector<TBindingRecord> bindings_;
};

// Creates a registry that lives until the program ends, in the global list of
// registries (freed in reverse order of creation).
TFunctionRegistry& CreateRegistry(std::wstring name);

}  // namespace bmp32
