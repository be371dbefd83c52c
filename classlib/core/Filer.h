#pragma once
// The hook through which a persistent object stores data that is no published
// property (string list lines, bitmap bytes): DefineProperties names such
// properties and hands over procedures that read and write them.
#include <functional>
#include <string>

#include "classlib/core/FormValue.h"

namespace classlib {

class TStream;

using TFormValueReader = std::function<void(const TFormValue& value)>;
using TFormValueWriter = std::function<TFormValue()>;
using TStreamProc = std::function<void(TStream& stream)>;

class TFiler {
 public:
  virtual ~TFiler() = default;
  // A property stored as a form value; written only when hasData is true.
  virtual void DefineProperty(const std::wstring& name, TFormValueReader read, TFormValueWriter write,
                              bool hasData) = 0;
  // A property stored as raw bytes ({hex} in the text); written only when
  // hasData is true. The read procedure gets a stream over exactly the bytes
  // stored; the write procedure writes them.
  virtual void DefineBinaryProperty(const std::wstring& name, TStreamProc read, TStreamProc write,
                                    bool hasData) = 0;
};

}  // namespace classlib
