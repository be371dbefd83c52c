#include "app/catalogue/CardReport.h"

#include "classlib/core/Exception.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FormatFloat.h"
#include "classlib/core/IniFile.h"

namespace catalogue {

using namespace classlib;

GalleryTotals CountGalleryFiles(const std::wstring& folder) {
  GalleryTotals totals;
  for (const DirectoryEntry& entry : ListDirectory(folder)) {
    if (entry.IsDirectory()) continue;
    ++totals.files;
    totals.bytes += entry.size;
  }
  return totals;
}

CardReportFacts ReadCardReportFacts(const std::wstring& cardFolder) {
  CardReportFacts facts;
  // An unreadable data file reports as one without the two times.
  try {
    const TIniFile data(cardFolder + L"Dane.ini");
    if (data.ValueExists(L"Karta", L"UtworzenieKarty"))
      facts.created = data.ReadString(L"Karta", L"UtworzenieKarty", L"");
    if (data.ValueExists(L"Karta", L"OstatniaModyfikacja"))
      facts.modified = data.ReadString(L"Karta", L"OstatniaModyfikacja", L"");
  } catch (const Exception&) {
  }
  facts.picture = FileExists(cardFolder + L"Obraz.jpg");
  facts.document = FileExists(cardFolder + L"Dokument.pdf");
  facts.screenshot = FileExists(cardFolder + L"Zrzut.png");
  facts.gallery = CountGalleryFiles(cardFolder + L"Galeria");
  return facts;
}

std::vector<std::wstring> CardReportLines(const CardReportFacts& facts) {
  auto yesNo = [](bool present) { return std::wstring(present ? L"Tak" : L"Nie"); };
  auto orMissing = [](const std::optional<std::wstring>& value) { return value ? *value : L"Brak danych"; };
  const double megabytes = static_cast<double>(facts.gallery.bytes) / 1024 / 1024;
  return {
      L" ",
      L" RAPORT KARTY",
      L" " + std::wstring(35, L'-'),
      L" ",
      L" Utworzenie:",
      L" " + orMissing(facts.created),
      L" ",
      L" Modyfikacja:",
      L" " + orMissing(facts.modified),
      L" ",
      L" Obraz: " + yesNo(facts.picture),
      L" Dokument zakupu: " + yesNo(facts.document),
      L" ",
      L" Zrzut: " + yesNo(facts.screenshot),
      L" ",
      L" Plików w galerii: " + std::to_wstring(facts.gallery.files),
      L" Rozmiar galerii: " + FormatFloat(L"0.00", megabytes) + L" MB",
  };
}

}  // namespace catalogue
