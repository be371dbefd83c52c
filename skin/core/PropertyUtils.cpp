#include "skin/core/PropertyUtils.h"

#include <string>
#include <vector>

#include "classlib/core/ConvertText.h"
#include "classlib/core/PublishedProps.h"

namespace skin {

namespace {

// The elements of a set's text form "[a,b]".
std::vector<std::wstring> SetElements(const std::wstring& text) {
  std::wstring body = classlib::Trim(text);
  if (!body.empty() && body.front() == L'[') body.erase(0, 1);
  if (!body.empty() && body.back() == L']') body.pop_back();
  std::vector<std::wstring> elements;
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find(L',', start);
    if (end == std::wstring::npos) end = body.size();
    std::wstring element = classlib::Trim(std::wstring_view(body).substr(start, end - start));
    if (!element.empty()) elements.push_back(std::move(element));
    start = end + 1;
  }
  return elements;
}

}  // namespace

bool HasProperty(const classlib::TObject* instance, std::wstring_view name) {
  return instance && classlib::HasProperty(instance, name);
}

classlib::TObject* GetObjProperty(const classlib::TObject* instance, std::wstring_view name) {
  if (!instance) return nullptr;
  return classlib::GetObjectProp(instance, name).value_or(nullptr);
}

int GetIntProperty(const classlib::TObject* instance, std::wstring_view name) {
  if (!instance) return -1;
  const auto value = classlib::GetOrdProp(instance, name);
  return value ? static_cast<int>(*value) : -1;
}

void SetIntProperty(classlib::TObject* instance, std::wstring_view name, int value) {
  if (instance) classlib::SetOrdProp(instance, name, value);
}

bool SetPropHasElement(const classlib::TObject* instance, std::wstring_view setProperty, std::wstring_view element) {
  if (!instance) return false;
  const auto text = classlib::GetSetProp(instance, setProperty);
  if (!text) return false;
  for (const std::wstring& e : SetElements(*text))
    if (classlib::SameText(e, element)) return true;
  return false;
}

bool ChangeSetProperty(classlib::TObject* instance, std::wstring_view setProperty, std::wstring_view element,
                       bool include) {
  if (!instance) return false;
  const auto text = classlib::GetSetProp(instance, setProperty);
  if (!text) return false;
  // Element by element, so that one name never matches inside another.
  std::vector<std::wstring> elements = SetElements(*text);
  bool present = false;
  for (auto it = elements.begin(); it != elements.end();) {
    if (classlib::SameText(*it, element)) {
      present = true;
      if (!include) {
        it = elements.erase(it);
        continue;
      }
    }
    ++it;
  }
  if (include && !present) elements.insert(elements.begin(), std::wstring(element));
  std::wstring newText;
  for (const std::wstring& e : elements) {
    if (!newText.empty()) newText += L',';
    newText += e;
  }
  classlib::SetSetProp(instance, setProperty, newText);
  return false;
}

}  // namespace skin
