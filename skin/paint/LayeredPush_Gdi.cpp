#include "skin/paint/LayeredPush_Gdi.h"

#include <utility>

#include "skin/paint/LayeredWindows_Gdi.h"

namespace skin::paint {

namespace {

TLayeredPushHandler& Handler() {
  static TLayeredPushHandler handler;
  return handler;
}

}  // namespace

bool SystemPushLayeredWindow(const TLayeredPush& push) {
  const TUpdateLayeredWindow update = UpdateLayeredWindowEntry();
  if (update == nullptr) return false;
  POINT position = push.Position, origin = push.SourceOrigin;
  SIZE size = push.Size;
  BLENDFUNCTION blend = push.Blend;
  const HDC screen = GetDC(nullptr);
  const BOOL done = update(push.Wnd, screen, &position, &size, push.Source, &origin, 0, &blend, ULW_ALPHA);
  ReleaseDC(nullptr, screen);
  return done != FALSE;
}

bool PushLayeredWindow(const TLayeredPush& push) {
  const TLayeredPushHandler& handler = Handler();
  return handler ? handler(push) : SystemPushLayeredWindow(push);
}

TLayeredPushHandler SetLayeredPushHandler(TLayeredPushHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace skin::paint
