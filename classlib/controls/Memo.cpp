#include "classlib/controls/Memo.h"

#include <vector>

namespace classlib {

namespace {

// The memo's text seen as lines: every change rewrites the whole text, which
// keeps the window and the list from ever disagreeing.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}

  int Count() const override { return static_cast<int>(Split().size()); }
  std::wstring Strings(int index) const override {
    const auto lines = Split();
    if (index < 0 || index >= static_cast<int>(lines.size())) ListIndexError(index);
    return lines[static_cast<size_t>(index)];
  }
  void SetStrings(int index, const std::wstring& s) override {
    auto lines = Split();
    Check(lines, index, false);
    lines[static_cast<size_t>(index)] = s;
    Join(lines);
  }
  void Insert(int index, const std::wstring& s) override {
    auto lines = Split();
    Check(lines, index, true);
    lines.insert(lines.begin() + index, s);
    Join(lines);
  }
  void Delete(int index) override {
    auto lines = Split();
    Check(lines, index, false);
    lines.erase(lines.begin() + index);
    Join(lines);
  }
  void Clear() override { memo_.SetText(L""); }
  void SetText(const std::wstring& text) override { memo_.SetText(Normalise(text)); }

 private:
  static void Check(const std::vector<std::wstring>& lines, int index, bool insert) {
    const int limit = static_cast<int>(lines.size()) + (insert ? 1 : 0);
    if (index < 0 || index >= limit) ListIndexError(index);
  }
  // Every line break becomes CR LF, the edit control's own.
  static std::wstring Normalise(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == L'\r' || text[i] == L'\n') {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        out += L"\r\n";
      } else {
        out += text[i];
      }
    }
    return out;
  }
  std::vector<std::wstring> Split() const {
    std::vector<std::wstring> lines;
    const std::wstring text = memo_.Text();
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find_first_of(L"\r\n", start);
      if (end == std::wstring::npos) {
        lines.push_back(text.substr(start));
        break;
      }
      lines.push_back(text.substr(start, end - start));
      if (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
      start = end + 1;
    }
    return lines;
  }
  void Join(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i) text += L"\r\n";
      text += lines[i];
    }
    memo_.SetText(text);
  }

  TCustomMemo& memo_;
};

}  // namespace

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
  StoreBounds(0, 0, 185, 89);
  ControlStyle().Exclude(csFixedHeight);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (wantReturns_) p.Style |= ES_WANTRETURN;
  if (wordWrap_) p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
  if ((scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !wordWrap_) p.Style |= WS_HSCROLL;
}

void TCustomMemo::WndProc(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    TCustomEdit::WndProc(m);
    if (!wantTabs_) m.Result &= ~DLGC_WANTTAB;
    if (!wantReturns_) m.Result &= ~DLGC_WANTALLKEYS;
    return;
  }
  TCustomEdit::WndProc(m);
}

}  // namespace classlib
