#include "classlib/core/Object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <typeindex>

namespace classlib {

namespace {

std::wstring Demangle(const char* mangled) {
  int status = 0;
  char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = (status == 0 && plain) ? plain : mangled;
  std::free(plain);
  // Drop namespaces and enclosing classes, but not the colons of a template
  // argument list.
  size_t depth = 0, start = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '<') ++depth;
    else if (name[i] == '>' && depth > 0) --depth;
    else if (depth == 0 && name[i] == ':' && i + 1 < name.size() && name[i + 1] == ':') start = i + 2;
  }
  name = name.substr(start);
  return std::wstring(name.begin(), name.end());
}

}  // namespace

std::wstring ClassNameOf(const std::type_info& type) {
  static std::mutex mutex;
  static std::map<std::type_index, std::wstring> names;
  std::lock_guard<std::mutex> lock(mutex);
  auto it = names.find(type);
  if (it == names.end()) it = names.emplace(type, Demangle(type.name())).first;
  return it->second;
}

std::wstring TObject::ClassName() const { return ClassNameOf(typeid(*this)); }

}  // namespace classlib
