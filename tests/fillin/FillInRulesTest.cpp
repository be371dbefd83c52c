// What the fill-in menus put into a field, and the document and drop rules.
#include <gtest/gtest.h>

#include "app/fillin/DocumentAndDrops.h"
#include "app/fillin/FillInRules.h"

namespace {

TEST(FillInRules, Currency) {
  struct TCase {
    const wchar_t *field, *currency, *result;
  };
  for (const TCase& c : {TCase{L"1200 zł", L"EUR", L"1200 EUR"}, TCase{L"", L"USD", L"USD"},
                         TCase{L"  1 200,50 PLN  ", L"CHF", L"1 200,50 CHF"}, TCase{L"zł", L"JPY", L"JPY"},
                         TCase{L"99", L"GBP", L"99 GBP"}})
    EXPECT_EQ(app::WithCurrency(c.field, c.currency), c.result) << c.field;
}

TEST(FillInRules, ComplicationIsAppended) {
  EXPECT_EQ(app::WithComplication(L"Data, ", L"GMT"), L"Data, GMT");
  EXPECT_EQ(app::WithComplication(L"", L"GMT"), L"GMT");
  EXPECT_EQ(app::WithComplication(L" ,. ", L"GMT"), L"GMT");
  EXPECT_EQ(app::WithComplication(L"Data, GMT", L"GMT"), L"Data, GMT, GMT");  // twice is twice
  EXPECT_EQ(app::WithComplication(L"Fazy Księżyca.", L"Data"), L"Fazy Księżyca, Data");
}

TEST(FillInRules, NameSuggestionInHouseAndSingleLinePaste) {
  EXPECT_EQ(app::CardNameSuggestion(L" ", L""), L"Nowy zegarek");
  EXPECT_EQ(app::CardNameSuggestion(L"Seiko ", L" SKX007"), L"Seiko - SKX007");
  EXPECT_EQ(app::CardNameSuggestion(L"Seiko", L""), L"Seiko");
  EXPECT_EQ(app::CardNameSuggestion(L"", L"SKX007"), L"SKX007");
  EXPECT_EQ(app::InHouseMovementMaker(L" Rolex "), L"Rolex");
  EXPECT_EQ(app::InHouseMovementMaker(L"  "), L"In-House");
  EXPECT_EQ(app::FirstLineOf(L"one\r\ntwo"), L"one");
  EXPECT_EQ(app::FirstLineOf(L"one\ntwo"), L"one");
  EXPECT_EQ(app::FirstLineOf(L"one"), L"one");
}

TEST(DocumentAndDrops, ButtonLooks) {
  using app::TDocumentEvent;
  struct TCase {
    TDocumentEvent event;
    int tag;
    const wchar_t* caption;
    int image;
  };
  for (const TCase& c : {TCase{TDocumentEvent::NoDocument, 0, L"Wybierz", 0}, TCase{TDocumentEvent::Saved, 1, L"Zapisano", 1},
                         TCase{TDocumentEvent::Chosen, 2, L"Dodano", 2}, TCase{TDocumentEvent::Cleared, 0, L"Usunięto", 3}}) {
    const app::TDocumentLook look = app::DocumentLook(c.event);
    EXPECT_EQ(look.Tag, c.tag);
    EXPECT_STREQ(look.Caption, c.caption);
    EXPECT_EQ(look.ImageIndex, c.image);
  }
}

TEST(DocumentAndDrops, DropActions) {
  using app::TDropAction;
  using app::TDropTarget;
  struct TCase {
    TDropTarget target;
    const wchar_t* file;
    bool card;
    TDropAction action;
  };
  for (const TCase& c : {
           TCase{TDropTarget::DocumentButton, L"C:\\SCAN.PDF", false, TDropAction::ChooseDocument},
           TCase{TDropTarget::Picture, L"C:\\SCAN.PDF", true, TDropAction::Ignore},
           TCase{TDropTarget::DocumentButton, L"C:\\a.jpg", true, TDropAction::Ignore},
           TCase{TDropTarget::Picture, L"C:\\a.JPEG", false, TDropAction::LoadPicture},
           TCase{TDropTarget::Picture, L"C:\\a.gif", true, TDropAction::Ignore},
           TCase{TDropTarget::GalleryButton, L"C:\\a.Png", true, TDropAction::CopyToGallery},
           TCase{TDropTarget::GalleryButton, L"C:\\a.png", false, TDropAction::Ignore},
           TCase{TDropTarget::GalleryButton, L"C:\\a.pdf", true, TDropAction::Ignore},
           TCase{TDropTarget::Other, L"C:\\a.bmp", true, TDropAction::Ignore},
           TCase{TDropTarget::Picture, L"C:\\pdf", true, TDropAction::Ignore},
       })
    EXPECT_EQ(app::DropActionFor(c.target, c.file, c.card), c.action) << c.file;
}

}  // namespace
