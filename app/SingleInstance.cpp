#include "app/SingleInstance.h"

#include <windows.h>

namespace app {

bool ClaimSingleInstance() {
  SetLastError(ERROR_SUCCESS);
  // The handle is deliberately never closed: the mutex lives as long as we do.
  CreateMutexW(nullptr, FALSE, kInstanceMutexName);
  return GetLastError() == ERROR_SUCCESS;
}

}  // namespace app
