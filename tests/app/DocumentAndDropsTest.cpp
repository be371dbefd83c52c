#ifdef _WIN32
// The purchase document button through load, choice, drop, "Wyczyść" and
// save; files dropped on the window; the gallery button.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "AppTestFolder.h"

namespace app_test {

using namespace classlib;

// The document button's tag, caption and image.
struct TLook {
  int tag;
  std::wstring caption;
  int image;
  friend bool operator==(const TLook&, const TLook&) = default;
  friend std::ostream& operator<<(std::ostream& out, const TLook& l) {
    return out << l.tag << " " << fs::path(l.caption).string() << " " << l.image;
  }
};

class DocumentAndDropsTest : public AppTestFolder {
 protected:
  // The file under the program folder, with these bytes.
  std::wstring Source(const std::wstring& name, const std::string& bytes) {
    std::ofstream(root_ / name, std::ios::binary) << bytes;
    return (root_ / name).wstring();
  }
  TLook Look() const { return {static_cast<int>(form_->sBitBtn6->Tag()), form_->sBitBtn6->Caption(), form_->sBitBtn6->ImageIndex()}; }
  // The form with the card "Alfa" loaded and its main page shown.
  app::TForm1& FormWithCard() {
    MakeCard(L"Alfa");
    app::TForm1& form = Form();
    Pick(L"Alfa");
    form.sButton1Click(form.sButton1);
    return form;
  }
  TPoint CentreOf(const TControl& control) const {
    return control.ClientToScreen(TPoint{control.Width() / 2, control.Height() / 2});
  }
  fs::path Document() const { return Card(L"Alfa") / L"Dokument.pdf"; }

};

const TLook kNone{0, L"Wybierz", 0}, kSaved{1, L"Zapisano", 1}, kChosen{2, L"Dodano", 2},
    kCleared{0, L"Usunięto", 3};

TEST_F(DocumentAndDropsTest, ButtonStatesThroughChooseSaveClearAndReload) {
  app::TForm1& form = FormWithCard();
  EXPECT_EQ(Look(), kNone);
  chosen_ = Source(L"faktura.pdf", "%PDF-1");
  form.sBitBtn6->Click();
  EXPECT_EQ(Look(), kChosen);
  form.sBitBtn6->Click();  // opens the chosen file
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_.back(), chosen_);
  form.SaveCard();
  EXPECT_EQ(Look(), kSaved);
  EXPECT_EQ(ReadBytes(Document()), "%PDF-1");
  form.sBitBtn6->Click();  // opens the stored document
  EXPECT_EQ(fs::path(opened_.back()), Document());

  form.Wyczy2Click(nullptr);
  EXPECT_EQ(Look(), kCleared);
  Pick(L"Alfa");  // not saved: the file is still there
  EXPECT_EQ(Look(), kSaved);
  form.Wyczy2Click(nullptr);
  form.SaveCard();
  EXPECT_EQ(Look(), kNone);
  EXPECT_FALSE(fs::exists(Document()));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(DocumentAndDropsTest, OnlyADocumentIsTakenFromTheDialog) {
  app::TForm1& form = FormWithCard();
  for (const wchar_t* name : {L"program.exe", L"notatka.txt", L"pdf"}) {
    chosen_ = Source(name, "MZ");
    form.sBitBtn6->Click();
    EXPECT_EQ(Look(), kNone) << fs::path(name).string();
  }
  chosen_ = Source(L"SKAN.PDF", "%PDF");
  form.sBitBtn6->Click();
  EXPECT_EQ(Look(), kChosen);
}

TEST_F(DocumentAndDropsTest, AVanishedSourceIsReportedAndLeavesNoDocument) {
  app::TForm1& form = FormWithCard();
  std::ofstream(Document(), std::ios::binary) << "%PDF old";
  Pick(L"Alfa");
  chosen_ = Source(L"faktura.pdf", "%PDF new");
  form.Wyczy2Click(nullptr);
  form.sBitBtn6->Click();
  EXPECT_EQ(Look(), kChosen);
  fs::remove(chosen_);
  form.SaveCard();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text, L"Wskazany plik nie istnieje!\rNie zapisano dukumentu zakupu.");
  EXPECT_EQ(boxes_[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONHAND));
  EXPECT_EQ(Look(), kNone);
  EXPECT_FALSE(fs::exists(Document()));
}

TEST_F(DocumentAndDropsTest, AFailedCopyKeepsTheOldDocumentAndTheChoice) {
  app::TForm1& form = FormWithCard();
  std::ofstream(Document(), std::ios::binary) << "%PDF old";
  Pick(L"Alfa");
  form.Wyczy2Click(nullptr);
  chosen_ = Source(L"faktura.pdf", "%PDF new");
  form.sBitBtn6->Click();
  // The copy's temporary name is taken by a folder: the copy fails.
  fs::create_directory(Card(L"Alfa") / L"Dokument.~tm");
  form.SaveCard();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONHAND));
  EXPECT_EQ(ReadBytes(Document()), "%PDF old");
  EXPECT_EQ(Look(), kChosen);
  // Once the way is free, the next save stores it.
  fs::remove(Card(L"Alfa") / L"Dokument.~tm");
  form.SaveCard();
  EXPECT_EQ(ReadBytes(Document()), "%PDF new");
  EXPECT_EQ(Look(), kSaved);
}

TEST_F(DocumentAndDropsTest, ChoosingTheCardsOwnDocumentKeepsIt) {
  app::TForm1& form = FormWithCard();
  std::ofstream(Document(), std::ios::binary) << "%PDF own";
  Pick(L"Alfa");
  form.Wyczy2Click(nullptr);
  chosen_ = Document().wstring();
  form.sBitBtn6->Click();
  form.SaveCard();
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(ReadBytes(Document()), "%PDF own");
  EXPECT_EQ(Look(), kSaved);
}

TEST_F(DocumentAndDropsTest, Drops) {
  app::TForm1& form = FormWithCard();
  const fs::path gallery = Card(L"Alfa") / L"Galeria";
  const std::wstring first = Source(L"pierwszy.bmp", "BM"), second = Source(L"drugi.png", "x"),
                     third = Source(L"trzeci.jpg", "x"), scan = Source(L"SCAN.PDF", "%PDF");

  // Three files on the gallery: only the first is copied; twice is once.
  form.DropFiles({first, second, third}, CentreOf(*form.sBitBtn4));
  form.DropFiles({first}, CentreOf(*form.sBitBtn4));
  EXPECT_EQ(ReadBytes(gallery / L"pierwszy.bmp"), "BM");
  EXPECT_FALSE(fs::exists(gallery / L"drugi.png"));
  EXPECT_FALSE(fs::exists(gallery / L"trzeci.jpg"));

  // A document on the picture is ignored, on the document button taken.
  form.DropFiles({scan}, CentreOf(*form.Image1));
  EXPECT_EQ(Look(), kNone);
  EXPECT_EQ(form.Image1->Tag(), 0);
  form.DropFiles({scan}, CentreOf(*form.sBitBtn6));
  EXPECT_EQ(Look(), kChosen);
  EXPECT_EQ(form.OpenDialog2->FileName(), scan);
  // A picture on the document button, or anywhere else, is ignored.
  form.DropFiles({second}, CentreOf(*form.sBitBtn6));
  form.DropFiles({second}, CentreOf(*form.sEdit1));
  EXPECT_EQ(form.OpenDialog2->FileName(), scan);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(DocumentAndDropsTest, ADropWithoutACardIsIgnored) {
  MakeCard(L"Alfa");
  app::TForm1& form = Form();
  const std::wstring picture = Source(L"obraz.png", "x");
  form.DropFiles({picture}, CentreOf(*form.sBitBtn4));
  form.DropFiles({Source(L"a.pdf", "%PDF")}, CentreOf(*form.sBitBtn6));
  EXPECT_FALSE(fs::exists(Card(L"Alfa") / L"Galeria"));
  EXPECT_EQ(Look(), kNone);
}

TEST_F(DocumentAndDropsTest, ADropMessageWithAForeignOrFreedHandleIsIgnored) {
  app::TForm1& form = FormWithCard();
  const std::wstring file = Source(L"a.pdf", "%PDF");
  const size_t bytes = sizeof(DROPFILES) + (file.size() + 2) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, file.c_str(), file.size() * sizeof(wchar_t));
  GlobalUnlock(block);
  GlobalFree(block);
  SendMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  SendMessageW(form.Handle(), WM_DROPFILES, static_cast<WPARAM>(0x7ff01234), 0);
  SendMessageW(form.Handle(), WM_DROPFILES, 0, 0);
  EXPECT_EQ(Look(), kNone);
  EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST_F(DocumentAndDropsTest, GalleryButtonMakesAndOpensTheFolder) {
  app::TForm1& form = FormWithCard();
  fs::remove_all(Card(L"Alfa") / L"Galeria");
  form.sBitBtn4->Click();
  EXPECT_TRUE(fs::is_directory(Card(L"Alfa") / L"Galeria"));
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(fs::path(opened_[0]), Card(L"Alfa") / L"Galeria");
}

}  // namespace app_test
#endif
