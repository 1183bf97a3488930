#include "text/unicode_header.h"

#include "text/mac_roman.h"

namespace text {

namespace {

void AppendUtf8(char32_t codePoint, std::string& text) {
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Collects characters line by line until the header is complete.
class HeaderCollector {
  public:
    explicit HeaderCollector(bool classicMac) : lineEnd_(classicMac ? U'\r' : U'\n') {}

    // false once the header is complete.
    bool Take(char32_t codePoint) {
        if (codePoint != lineEnd_) {
            AppendUtf8(codePoint, line_);
            return true;
        }
        if (lineEnd_ == U'\n' && !line_.empty() && line_.back() == '\r') {
            line_.pop_back();
        }
        if (!line_.empty()) {
            return false;
        }
        return true;
    }
    // UTF-8 bytes that need no decoding.
    bool TakeByte(char byte) {
        if (static_cast<unsigned char>(byte) < 0x80) {
            return Take(static_cast<unsigned char>(byte));
        }
        line_ += byte;
        return true;
    }
    std::string Header() { return std::move(line_); }

  private:
    char32_t lineEnd_;
    std::string line_;
};

template <bool kBigEndian>
std::string Utf16Header(std::string_view bytes) {
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
    HeaderCollector collector(carriageReturn && !lineFeed);
    for (std::size_t i = 0; i < units; ++i) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units && unitAt(i + 1) >= 0xDC00 &&
            unitAt(i + 1) <= 0xDFFF) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(++i) - 0xDC00);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = 0xFFFD;
        }
        if (!collector.Take(unit)) {
            break;
        }
    }
    return collector.Header();
}

}  // namespace

std::string UnicodeHeader(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16LittleEndian:
            return Utf16Header<false>(bytes.substr(2));
        case TextEncoding::Utf16BigEndian:
            return Utf16Header<true>(bytes.substr(2));
        case TextEncoding::MacRoman: {
            HeaderCollector collector(true);
            for (const char byte : bytes) {
                if (!collector.Take(MacRomanCharacter(static_cast<unsigned char>(byte)))) {
                    break;
                }
            }
            return collector.Header();
        }
        case TextEncoding::Utf8:
        case TextEncoding::Ansi:
            break;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    HeaderCollector collector(IsClassicMacText(bytes));
    for (const char byte : bytes) {
        if (!collector.TakeByte(byte)) {
            break;
        }
    }
    return collector.Header();
}

}  // namespace text
