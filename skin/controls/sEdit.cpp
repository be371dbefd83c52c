#include "skin/controls/sEdit.h"

namespace skin {

using namespace classlib;

TsEdit::TsEdit(TComponent* owner) : TsSkinnedControl(owner), boundLabel_(std::make_unique<TsBoundLabel>(SkinData())) {}

// The bound label frees its label before the edit's components go.
TsEdit::~TsEdit() = default;

}  // namespace skin
