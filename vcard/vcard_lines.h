#pragma once

#include "text/text_image.h"

namespace vcard {

// Hands out the content lines of a vCard image, unfolded in place: a line that starts with a
// blank or TAB continues the one before it (without that first byte), and a quoted-printable
// line that ends in "=" goes on with the next line (without the "=").
class VCardLines {
  public:
    explicit VCardLines(text::TextImage& image) : image_(image) {}

    // The next content line, NUL-terminated; nullptr after the last.
    char* Next();

  private:
    void Start(char* line);
    void Append(const char* text);
    bool SoftBreakPending();

    text::TextImage& image_;
    char* pending_ = nullptr;
    char* pendingEnd_ = nullptr;
    // Whether the pending line is quoted-printable is known once its colon has been seen.
    enum class Encoding { Unknown, QuotedPrintable, Other } encoding_ = Encoding::Unknown;
    const char* searchedUpTo_ = nullptr;
};

}  // namespace vcard
