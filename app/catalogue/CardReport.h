#pragma once
// The card report shown in place of the picture: what the card's folder
// holds, as the report's seventeen lines.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace catalogue {

struct GalleryTotals {
  int files = 0;
  // 64 bits: a gallery of 2 GiB or more is an ordinary thing.
  std::uint64_t bytes = 0;
};

// The files directly in the folder; sub-folders and what they hold are not
// counted. A missing folder counts as empty.
GalleryTotals CountGalleryFiles(const std::wstring& folder);

struct CardReportFacts {
  std::optional<std::wstring> created;   // Karta/UtworzenieKarty
  std::optional<std::wstring> modified;  // Karta/OstatniaModyfikacja
  bool picture = false;                  // "Obraz.jpg" on disk
  bool document = false;                 // "Dokument.pdf" on disk
  bool screenshot = false;               // "Zrzut.png" on disk
  GalleryTotals gallery;
};

// The facts of the card folder (with its trailing delimiter) as they are on
// disk, its "Dane.ini" read as the card store reads it.
CardReportFacts ReadCardReportFacts(const std::wstring& cardFolder);

// The report's lines, each starting with one blank; the gallery size in MB
// with two decimals and the locale's decimal separator.
std::vector<std::wstring> CardReportLines(const CardReportFacts& facts);

}  // namespace catalogue
