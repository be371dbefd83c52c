#pragma once
// A program folder of its own under the temporary folder ("Karty\" made on
// request) with the main window created over it, and the program's seams
// redirected: message boxes are recorded and answered from a queue, shell
// opens are recorded, open dialogs answer with chosen_ (cancelled while it
// is empty), and the clock is fixed.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/AppStartup.h"
#include "app/Unit1.h"
#include "classlib/controls/Application.h"
#include "classlib/core/DateTime.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/menus/Dialogs.h"
#include "classlib/menus/MessageBox.h"
#include "classlib/menus/Shell.h"

namespace app_test {

namespace fs = std::filesystem;

class AppTestFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    using namespace classlib;
    root_ = ToFsPath(TempFolder()) /
            (L"tessarilo-app-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter_));
    fs::create_directories(root_);
    Application->Initialize();
    app::RegisterFormClasses();
    Application->SetTitle(app::kApplicationTitle);
    // After Initialize, which points the program folder at the test program.
    SetProgramFolderSource([this] { return FromFsPath(root_) + L"\\"; });
    SetMessageBoxHandler([this](const TMessageBoxRequest& request) {
      boxes_.push_back(request);
      if (answers_.empty()) return IDOK;
      const int answer = answers_.front();
      answers_.pop_front();
      return answer;
    });
    SetShellOpenHandler([this](const std::wstring& target) {
      opened_.push_back(target);
      return true;
    });
    SetOpenDialogHandler([this](OPENFILENAMEW& request) {
      ++dialogs_;
      startName_ = request.lpstrFile;
      if (chosen_.empty()) return false;
      chosen_.copy(request.lpstrFile, chosen_.size());
      request.lpstrFile[chosen_.size()] = L'\0';
      return true;
    });
    SetNow(2026, 3, 14, 9, 5, 7);
  }
  void TearDown() override {
    form_.reset();
    classlib::SetOpenDialogHandler(nullptr);
    classlib::SetClock(nullptr);
    classlib::SetShellOpenHandler(nullptr);
    classlib::SetMessageBoxHandler(nullptr);
    classlib::SetProgramFolderSource(nullptr);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  void SetNow(int year, int month, int day, int hour, int minute, int second) {
    const classlib::TDateTime now = classlib::EncodeDate(year, month, day) + classlib::EncodeTime(hour, minute, second, 0);
    classlib::SetClock([now] { return now; });
  }

  fs::path Cards() const { return root_ / L"Karty"; }
  fs::path Card(const std::wstring& name) const { return Cards() / name; }
  void WriteSettings(const std::string& lines) {
    fs::create_directories(Cards());
    std::ofstream(Cards() / L"Ustawienia.ini", std::ios::binary) << "[Ustawienia]\r\n" << lines;
  }
  // A card folder holding a "Dane.ini" of these bytes (code page 1250).
  void MakeCard(const std::wstring& name, const std::string& data = "") {
    fs::create_directories(Card(name));
    if (!data.empty()) std::ofstream(Card(name) / L"Dane.ini", std::ios::binary) << data;
  }
  static std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  app::TForm1& Form() {
    form_.reset(classlib::New<app::TForm1>(nullptr));
    form_->HandleNeeded();
    return *form_;
  }
  // Picks a card as the user does in the list.
  void Pick(const std::wstring& name) {
    form_->sComboBox1->SetItemIndex(form_->sComboBox1->Items()->IndexOf(name));
    form_->sComboBox1Change(form_->sComboBox1);
  }

  fs::path root_;
  std::unique_ptr<app::TForm1> form_;
  std::vector<classlib::TMessageBoxRequest> boxes_;
  std::deque<int> answers_;
  std::vector<std::wstring> opened_;
  // The open dialog's answer, how often it was shown and the name it started with.
  std::wstring chosen_;
  int dialogs_ = 0;
  std::wstring startName_;
  static inline int counter_ = 0;
};

}  // namespace app_test
