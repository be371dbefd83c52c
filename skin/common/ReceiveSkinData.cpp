#include "skin/common/ReceiveSkinData.h"

#include <windows.h>

#include "skin/manager/sSkinManager.h"

namespace skin {

void ReceiveSkinData(classlib::TMessage& message, TsSkinManager* manager) {
  if (!manager || message.Msg != WM_COPYDATA || message.WParam != PushedSkinKind || !message.LParam) return;
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
  const std::optional<TsPushedSkin> pushed = ReadPushedSkin(data->lpData, data->cbData);
  if (!pushed) return;
  manager->ApplyPushedSkin(*pushed);
  message.Result = 1;
}

}  // namespace skin
