#pragma once
// The codec's exceptions: one class per failure, each with its own message.
// Every error of the codec is raised through RaiseError.
#include <string>

#include "classlib/core/Exception.h"

namespace png {

// Declares an exception class whose default message is `Text`.
#define PNG_EXCEPTION(Name, Text)                                        \
  class Name : public classlib::Exception {                              \
   public:                                                               \
    Name() : classlib::Exception(Text) {}                                \
    explicit Name(std::wstring message) : classlib::Exception(std::move(message)) {} \
  }

PNG_EXCEPTION(EPNGInvalidFileHeader,
              L"The file being readed is not a valid \"Portable Network Graphics\" image because it contains an "
              L"invalid header. This file may be corruped, try obtaining it again.");
PNG_EXCEPTION(EPNGIHDRNotFirst,
              L"This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk "
              L"is not the first)");
PNG_EXCEPTION(EPngUnexpectedEnd,
              L"This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of "
              L"the file.");
PNG_EXCEPTION(EPNGUnknownCriticalChunk,
              L"This \"Portable Network Graphics\" image contains an unknown critical part which could not be "
              L"decoded.");
PNG_EXCEPTION(EPNGNoImageData, L"This \"Portable Network Graphics\" image contains no data.");
PNG_EXCEPTION(EPngInvalidCRC,
              L"This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data "
              L"(crc error)");
PNG_EXCEPTION(EPngInvalidIHDR,
              L"The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data "
              L"(ihdr) might be corrupted");
PNG_EXCEPTION(EPNGSizeExceeds,
              L"This \"Portable Network Graphics\" image is not supported because either it's width or height "
              L"exceeds the maximum size, which is 65535 pixels length.");
PNG_EXCEPTION(EPNGUnknownCompression,
              L"This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could "
              L"not be decoded.");
PNG_EXCEPTION(EPNGUnknownInterlace,
              L"This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be "
              L"decoded.");
PNG_EXCEPTION(EPNGMissingMultipleIDAT,
              L"This \"Portable Network Graphics\" image is invalid because it has missing image parts.");
PNG_EXCEPTION(EPNGZLIBError,
              L"Could not decompress the image because it contains invalid compressed data.\r\n Description: ");
PNG_EXCEPTION(EPNGInvalidPalette, L"The \"Portable Network Graphics\" image contains an invalid palette.");
PNG_EXCEPTION(EPngError, L"The chunks must be compatible to be assigned.");
PNG_EXCEPTION(EPNGHeaderNotPresent,
              L"This operation is not valid because the current image contains no valid header.");
PNG_EXCEPTION(EPNGOutMemory,
              L"Some operation could not be performed because the system is out of resources. Close some windows "
              L"and try again.");
PNG_EXCEPTION(EPNGInvalidNewSize, L"The new size provided for image resizing is invalid.");

#undef PNG_EXCEPTION

// The second text of EPngError.
inline constexpr const wchar_t* kNoSuchPaletteEntry = L"There is no such palette entry.";

// Raises an exception of class E, with its own text or the given one.
template <class E>
[[noreturn]] void RaiseError() {
  throw E();
}
template <class E>
[[noreturn]] void RaiseError(std::wstring text) {
  throw E(std::move(text));
}

// zlib's result code as the codec names it: "data error (-3)" and so on.
std::wstring ZlibResultText(int code);

// Raises EPNGZLIBError: its text followed by the description of `code`.
[[noreturn]] void RaiseZlibError(int code);

}  // namespace png
