#include "text/unicode_header.h"

#include "text/mac_roman.h"
#include "text/unicode.h"

namespace text {

namespace {

// Collects the characters of the whole text, or line by line until the header is complete.
class TextCollector {
  public:
    TextCollector(bool classicMac, bool whole)
        : lineEnd_(classicMac ? U'\r' : U'\n'), whole_(whole) {}

    // false once the header is complete.
    bool Take(char32_t codePoint) {
        if (whole_ || codePoint != lineEnd_) {
            AppendUtf8(codePoint, text_);
            return true;
        }
        if (lineEnd_ == U'\n' && !text_.empty() && text_.back() == '\r') {
            text_.pop_back();
        }
        return text_.empty();
    }
    // UTF-8 bytes that need no decoding.
    bool TakeByte(char byte) {
        if (static_cast<unsigned char>(byte) < 0x80) {
            return Take(static_cast<unsigned char>(byte));
        }
        text_ += byte;
        return true;
    }
    std::string Text() { return std::move(text_); }

  private:
    char32_t lineEnd_;
    bool whole_;
    std::string text_;
};

template <bool kBigEndian>
std::string Utf16Text(std::string_view bytes, bool whole) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [data](std::size_t i) -> char32_t {
        const char32_t first = data[2 * i];
        const char32_t second = data[2 * i + 1];
        return kBigEndian ? (first << 8) | second : (second << 8) | first;
    };
    bool lineFeed = false;
    bool carriageReturn = false;
    for (std::size_t i = 0; i < units && !lineFeed; ++i) {
        lineFeed = unitAt(i) == U'\n';
        carriageReturn = carriageReturn || unitAt(i) == U'\r';
    }
    TextCollector collector(carriageReturn && !lineFeed, whole);
    ForEachUtf16Character<kBigEndian>(
        bytes, [&collector](char32_t codePoint) { return collector.Take(codePoint); });
    return collector.Text();
}

std::string Collect(std::string_view bytes, TextEncoding encoding, bool whole) {
    switch (encoding) {
        case TextEncoding::Utf16LittleEndian:
            return Utf16Text<false>(bytes.substr(2), whole);
        case TextEncoding::Utf16BigEndian:
            return Utf16Text<true>(bytes.substr(2), whole);
        case TextEncoding::MacRoman: {
            TextCollector collector(true, whole);
            for (const char byte : bytes) {
                if (!collector.Take(MacRomanCharacter(static_cast<unsigned char>(byte)))) {
                    break;
                }
            }
            return collector.Text();
        }
        case TextEncoding::Utf8:
        case TextEncoding::Ansi:
            break;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    if (whole) {
        return std::string(bytes);
    }
    TextCollector collector(IsClassicMacText(bytes), false);
    for (const char byte : bytes) {
        if (!collector.TakeByte(byte)) {
            break;
        }
    }
    return collector.Text();
}

}  // namespace

std::string UnicodeHeader(std::string_view bytes, TextEncoding encoding) {
    return Collect(bytes, encoding, false);
}

std::string UnicodeText(std::string_view bytes, TextEncoding encoding) {
    return Collect(bytes, encoding, true);
}

}  // namespace text
