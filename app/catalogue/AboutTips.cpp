#include "app/catalogue/AboutTips.h"

namespace catalogue {
namespace {

constexpr const wchar_t* kTips[kTipCount] = {
    L"Użyj prawego przycisku myszy, aby wyświetlić rozszerzone opcje pól tekstowych.",
    L"Użyj klawisza \"PrintScreen\", aby wygenerować i zapisać szybki zrzut karty.",
    L"Przeciągnij zdjęcie na pole \"Obraz karty\", aby szybko go dodać lub zmienić.",
    L"Przeciągnij plik PDF na przycisk wyboru dokumentu zakupu, aby szybko go dodać.",
    L"Przeciągnij zdjęcie na przycisk \"Galeria\", aby skopiować zdjęcie do galerii.",
    L"Ukryj koszty zakupu wybierając odpowiednią opcję w menu podręcznym tego pola.",
    L"Włącz przypomnienie o serwisie wybierając odpowiednią opcję w polu ostatni serwis.",
    L"Zdefiniuj producentów oraz kalibry mechanizmów w menu podręcznym tych pól.",
    L"Zdefiniuj własne komplikacje w menu podręcznym pola \"Dodatkowe komplikacje\".",
    L"Wykadruj ponownie obraz karty klikając na niego prawym przyciskiem myszy.",
    L"Zaznacz opcję \"Zegarek poza kolekcją\", jeśli go już nie posiadasz, a chcesz zachować informacje o nim.",
    L"Użyj prawego przycisku myszy w \"Notatkach\", aby otworzyć zawarte w nich adresy internetowe.",
};

}  // namespace

std::wstring Tip(int number) { return number >= 1 && number <= kTipCount ? kTips[number - 1] : L""; }

int NextTip(int number) { return number >= kTipCount || number < 1 ? 1 : number + 1; }

int PreviousTip(int number) { return number <= 1 || number > kTipCount ? kTipCount : number - 1; }

std::wstring TipCounter(int number) { return std::to_wstring(number) + L"/" + std::to_wstring(kTipCount); }

}  // namespace catalogue
