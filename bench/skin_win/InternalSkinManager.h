#pragma once
// A skin manager holding the program's internal skin, for the benchmarks
// that run under Wine: no main-window hook, errors to standard error, the
// packed skin read from TESSARILO_INTERNAL_SKIN_FILE.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Object.h"
#include "skin/manager/SkinManagerPlatform.h"
#include "skin/manager/sSkinManager.h"
#include "skin/manager/sStoredSkins.h"

namespace wine_bench {

inline std::unique_ptr<skin::TsSkinManager> InternalSkin() {
  auto& platform = skin::SkinManagerPlatform();
  platform.HookMainWindow = [](skin::TsMainWindowHook) { return 1; };
  platform.UnhookMainWindow = [](int) {};
  platform.ShowError = [](const std::wstring& text) { std::fwprintf(stderr, L"%ls\n", text.c_str()); };
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = temp;
  classlib::SetProgramFolderSource([folder] { return folder; });
  std::unique_ptr<skin::TsSkinManager> manager(classlib::New<skin::TsSkinManager>(nullptr));
  manager->SetSkinDirectory(folder);
  std::ifstream in(TESSARILO_INTERNAL_SKIN_FILE, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  skin::TsStoredSkin* item = manager->InternalSkins()->Add();
  item->SetName(L"Tessarilo");
  item->Data().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  manager->SetSkinName(L"Tessarilo");
  manager->SetActive(true);
  return manager;
}

}  // namespace wine_bench
