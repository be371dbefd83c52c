#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/ProgramProcess.h"

namespace {

namespace fs = std::filesystem;
using e2e::ChildrenOfClass;
using e2e::ProgramFolder;
using e2e::ProgramProcess;

// Sets an environment variable for the programs started meanwhile.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
    wchar_t old[1024] = {};
    had_ = GetEnvironmentVariableW(name, old, 1024) > 0;
    old_ = old;
    SetEnvironmentVariableW(name, value.c_str());
  }
  ~ScopedEnvironment() { SetEnvironmentVariableW(name_, had_ ? old_.c_str() : nullptr); }

 private:
  const wchar_t* name_;
  std::wstring old_;
  bool had_ = false;
};

std::wstring TextOf(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

HWND ChildWhere(HWND parent, const std::wstring& classPart, const auto& wanted) {
  for (HWND child : ChildrenOfClass(parent, classPart))
    if (wanted(child)) return child;
  return nullptr;
}

// Controls without a caption are told apart by their size.
HWND ChildOfSize(HWND parent, const std::wstring& classPart, int width, int height) {
  return ChildWhere(parent, classPart, [&](HWND child) {
    RECT r{};
    GetClientRect(child, &r);
    return r.right == width && r.bottom == height;
  });
}

// A button pressed as the system tells its parent.
void Press(HWND button, bool post) {
  const WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
  if (post)
    PostMessageW(GetParent(button), WM_COMMAND, wParam, reinterpret_cast<LPARAM>(button));
  else
    SendMessageW(GetParent(button), WM_COMMAND, wParam, reinterpret_cast<LPARAM>(button));
}

bool WaitUntil(const auto& condition, DWORD timeoutMs = 10000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    Sleep(20);
  }
  return true;
}

// Under Xvfb, TESSARILO_E2E_PICTURE_PAUSE_MS holds the window still at the
// moments worth a picture (scripts take them meanwhile); otherwise nothing.
void PauseForPicture() {
  wchar_t value[32] = {};
  if (GetEnvironmentVariableW(L"TESSARILO_E2E_PICTURE_PAUSE_MS", value, 32) > 0) Sleep(_wtoi(value));
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ReportAndAboutEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    cards_ = fs::path(folder_.Path()) / L"Karty";
    temp_ = fs::path(folder_.Path()) / L"temp";
    fs::create_directories(temp_);
    // Due for service: last serviced more than five years before any run of this test.
    fs::create_directories(cards_ / L"Alfa");
    std::ofstream(cards_ / L"Alfa" / L"Dane.ini", std::ios::binary)
        << "[Karta]\r\nUtworzenieKarty=01.02.2015 10:11:12 \r\n[Mechanizm]\r\nOstatniSerwis=15.03.2015\r\n";
    std::ofstream(cards_ / L"Alfa" / L"Zrzut.png", std::ios::binary) << "x";
  }
  // Starts the program with its shell opens logged and its own TEMP, and
  // picks the one card.
  HWND StartOnCard() {
    ScopedEnvironment log(L"TESSARILO_SHELL_LOG", ShellLog().wstring());
    ScopedEnvironment temp(L"TEMP", temp_.wstring());
    program_ = std::make_unique<ProgramProcess>(folder_.ExePath());
    if (!program_->Started()) return nullptr;
    HWND window = program_->WaitForWindow(20000);
    if (!window) return nullptr;
    const std::vector<HWND> combos = ChildrenOfClass(window, L"combobox");
    if (combos.size() != 1) return nullptr;
    SendMessageW(combos[0], CB_SETCURSEL, 0, 0);
    SendMessageW(GetParent(combos[0]), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combos[0]), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combos[0]));
    return window;
  }
  void Close(HWND window) {
    DWORD exitCode = 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_->WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
  }
  fs::path ShellLog() const { return fs::path(folder_.Path()) / L"shell.log"; }

  ProgramFolder folder_;
  fs::path cards_, temp_;
  std::unique_ptr<ProgramProcess> program_;
};

TEST_F(ReportAndAboutEndToEnd, ACardDueForServiceShowsTheSignAndItsReport) {
  HWND window = StartOnCard();
  ASSERT_NE(window, nullptr);
  // The sign panel is 19 x 27, on the "Mechanizm" page: hidden pages make
  // their windows when first shown, so the page is opened first.
  HWND tab = ChildWhere(window, L"tsbutton", [](HWND child) { return TextOf(child) == L"Mechanizm"; });
  ASSERT_NE(tab, nullptr);
  SendMessageW(tab, BM_CLICK, 0, 0);
  HWND sign = ChildOfSize(window, L"", 19, 27);
  ASSERT_NE(sign, nullptr);
  EXPECT_TRUE(GetWindowLongW(sign, GWL_STYLE) & WS_VISIBLE);

  HWND report = ChildWhere(window, L"tsbitbtn", [](HWND child) { return TextOf(child) == L"Raport"; });
  ASSERT_NE(report, nullptr);
  Press(report, false);
  HWND memo = ChildWhere(window, L"tmemo",
                         [](HWND child) { return TextOf(child).find(L"RAPORT KARTY") != std::wstring::npos; });
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(IsWindowVisible(memo));
  EXPECT_EQ(TextOf(memo),
            L" \r\n RAPORT KARTY\r\n -----------------------------------\r\n \r\n Utworzenie:\r\n 01.02.2015 10:11:12\r\n"
            L" \r\n Modyfikacja:\r\n Brak danych\r\n \r\n Obraz: Nie\r\n Dokument zakupu: Nie\r\n \r\n Zrzut: Tak\r\n"
            L" \r\n Plików w galerii: 0\r\n Rozmiar galerii: 0,00 MB");
  PauseForPicture();
  HWND movementTab = ChildWhere(window, L"tsbutton", [](HWND child) { return TextOf(child) == L"Mechanizm"; });
  ASSERT_NE(movementTab, nullptr);
  Press(movementTab, false);
  EXPECT_TRUE(IsWindowVisible(sign));
  PauseForPicture();
  Close(window);
}

TEST_F(ReportAndAboutEndToEnd, TheAboutWindowOpensTheChangeListAndEscClosesItAndRemovesTheFile) {
  HWND window = StartOnCard();
  ASSERT_NE(window, nullptr);
  // The about button: the 50 x 50 button at the lower left.
  HWND aboutButton = ChildOfSize(window, L"tsbitbtn", 50, 50);
  ASSERT_NE(aboutButton, nullptr);
  Press(aboutButton, true);  // posted: the window is shown modally
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND w : program_->VisibleTopLevelWindows())
      if (e2e::WindowText(w) == L"O programie...") about = w;
    return about != nullptr;
  }));

  // The change-list link lies at x 70, beyond the build row's right edge
  // (the row is as wide as its number), where a click still reaches it.
  HWND buildRow = ChildWhere(about, L"tspanel", [](HWND child) {
    RECT r{};
    GetClientRect(child, &r);
    return r.bottom == 25 && r.right < 70;
  });
  ASSERT_NE(buildRow, nullptr);
  PauseForPicture();
  PostMessageW(buildRow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 10));
  PostMessageW(buildRow, WM_LBUTTONUP, 0, MAKELPARAM(80, 10));
  const fs::path changeList = temp_ / L"ListaZmian.txt";
  ASSERT_TRUE(WaitUntil([&] { return fs::exists(changeList) && fs::exists(ShellLog()); }));
  EXPECT_EQ(ReadBytes(changeList).size(), 521u);
  EXPECT_NE(ReadBytes(ShellLog()).find("ListaZmian.txt\r\n"), std::string::npos);

  HWND ok = ChildWhere(about, L"tsbitbtn", [](HWND child) { return TextOf(child) == L"OK"; });
  ASSERT_NE(ok, nullptr);
  PostMessageW(ok, WM_CHAR, 27, 1);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
  EXPECT_TRUE(WaitUntil([&] { return !fs::exists(changeList); }));
  PauseForPicture();
  Close(window);
}

}  // namespace
