#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_decoding.h"
#include "ui/platform.h"

namespace text {

// How a contact export is read (see TextImage::Load).
struct ContactExport {
    // Asked of the converted text: whether the file's own text is kept whole beside it.
    bool (*keepsOwnText)(std::string_view text) = nullptr;
};

// A whole text file in one buffer with one NUL after its last byte (and kSearchPadding more bytes
// for searches that read whole blocks), cut into lines in place.
class TextImage {
  public:
    // 0, or kOpenFailed (also while another program holds the file open for writing),
    // kSizeFailed, kOutOfMemory or kReadFailed. One read request fills the image; Unicode text is
    // then converted to the ANSI code page by the platform (see DecodeToAnsi), before anything
    // reads it. For a contact export, a file whose lines end with carriage returns alone is cut
    // at them, and read as Mac Roman where it is not UTF-8 (see DecodeFileToAnsi); converted text
    // keeps what the code page may not hold (see UnicodeHeader).
    int Load(const std::string& path, ui::Platform& platform,
             const ContactExport* contactExport = nullptr);
    // The same from bytes in memory: 0, kOutOfMemory, or kReadFailed when there are none.
    int Assign(std::string_view bytes, ui::Platform& platform,
               const ContactExport* contactExport = nullptr);

    // A contact export in Unicode text (or Mac Roman) keeps, in UTF-8 as its own bytes gave them,
    // its header line and, where the export asks for it, its whole text (see UnicodeHeader and
    // UnicodeText in unicode_header.h), so that words the code page cannot hold can still be
    // read. Nothing for ANSI text, which is not converted, and after ReleaseOriginal.
    const std::optional<std::string>& UnicodeHeader() const { return unicodeHeader_; }
    std::optional<std::string> UnicodeText() const;
    void ReleaseOriginal();

    // The next line, its end (LF or CR LF) overwritten with NUL; nullptr once the last line, the
    // text after the last line feed (possibly empty), has been handed out.
    char* NextLine();
    // Every line not yet handed out, cut at once, as NextLine would hand them out. false, with
    // nothing cut, when the table cannot be allocated.
    bool CutLines(std::vector<char*>& lines);
    // The text not yet handed out, uncut. A reader whose records run over lines may change it and
    // go on after them with SkipTo.
    std::span<char> Rest();
    // Hands out lines from next on, a place within Rest() or nullptr for none.
    void SkipTo(char* next);

  private:
    void Release();
    int Allocate(std::size_t length);
    int ConvertToAnsi(ui::Platform& platform, const ContactExport* contactExport);
    void CutAtCarriageReturns();

    std::unique_ptr<char[]> bytes_;
    std::size_t length_ = 0;
    char* next_ = nullptr;  // nullptr when no line is left
    std::optional<std::string> unicodeHeader_;
    std::unique_ptr<char[]> original_;
    std::size_t originalLength_ = 0;
    TextEncoding encoding_ = TextEncoding::Ansi;
};

// The header is the first line that is not empty, or the last line when all are empty; nullptr
// for an image without lines.
char* CutHeaderLine(TextImage& image);

}  // namespace text
