#include "text/text_decoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "text/mac_roman.h"
#include "text/unicode.h"

namespace text {

namespace {

constexpr auto kReplacement = static_cast<char16_t>(kReplacementCharacter);

// UTF-16 units gathered and handed to the platform a piece at a time; a piece never ends between
// the two units of a pair, so that the platform sees every pair whole.
class Utf16Pieces {
  public:
    Utf16Pieces(ui::Platform& platform, std::string& ansi)
        : platform_(platform), ansi_(ansi), units_(new char16_t[kUnits]) {}

    // Before each character: room for two units.
    void MakeRoom() {
        if (count_ > kUnits - 2) {
            Flush();
        }
    }
    void Put(char16_t unit) { units_[count_++] = unit; }
    // Puts the ASCII bytes from text on, as many as fit; returns how many it put.
    std::size_t PutAsciiRun(const unsigned char* text, const unsigned char* end) {
        const std::size_t room = std::min<std::size_t>(kUnits - count_, end - text);
        std::size_t put = 0;
        while (put < room && text[put] < 0x80) {
            units_[count_ + put] = text[put];
            ++put;
        }
        count_ += put;
        return put;
    }
    void PutCodePoint(char32_t codePoint) {
        if (codePoint < 0x10000) {
            Put(static_cast<char16_t>(codePoint));
            return;
        }
        codePoint -= 0x10000;
        Put(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
        Put(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
    }
    void Flush() {
        if (count_ != 0) {
            platform_.AppendAnsiText(std::u16string_view(units_.get(), count_), ansi_);
            count_ = 0;
        }
    }

  private:
    static constexpr std::size_t kUnits = std::size_t{1} << 15;

    ui::Platform& platform_;
    std::string& ansi_;
    std::unique_ptr<char16_t[]> units_;
    std::size_t count_ = 0;
};

// false at the first malformed sequence when strict; otherwise each one gives U+FFFD.
bool DecodeUtf8(std::string_view text, bool strict, Utf16Pieces& pieces) {
    const auto* byte = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = byte + text.size();
    while (byte != end) {
        pieces.MakeRoom();
        byte += pieces.PutAsciiRun(byte, end);
        if (byte == end) {
            break;
        }
        pieces.MakeRoom();
        const unsigned char lead = *byte++;
        if (lead < 0x80) {
            pieces.Put(lead);
            continue;
        }
        // The range of the first continuation byte excludes overlong forms, surrogates and
        // anything above U+10FFFF.
        int more = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        char32_t codePoint = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
            codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            codePoint = lead & 0x0Fu;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            codePoint = lead & 0x07u;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        bool whole = more > 0;
        for (; more > 0; --more) {
            if (byte == end || *byte < low || *byte > high) {
                whole = false;
                break;
            }
            codePoint = (codePoint << 6) | (*byte++ & 0x3Fu);
            low = 0x80;
            high = 0xBF;
        }
        if (whole) {
            pieces.PutCodePoint(codePoint);
        } else if (strict) {
            return false;
        } else {
            pieces.Put(kReplacement);
        }
    }
    return true;
}

template <bool kBigEndian>
void DecodeUtf16(std::string_view text, Utf16Pieces& pieces) {
    ForEachUtf16Character<kBigEndian>(text, [&pieces](char32_t codePoint) {
        pieces.MakeRoom();
        pieces.PutCodePoint(codePoint);
        return true;
    });
    if (text.size() % 2 != 0) {
        pieces.MakeRoom();
        pieces.Put(kReplacement);
    }
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

bool HasNonAsciiByte(std::string_view bytes) {
    // Eight words at a time, or-ed together: the compiler turns this into vector loads.
    constexpr std::size_t kBlock = 64;
    std::size_t i = 0;
    for (; i + kBlock <= bytes.size(); i += kBlock) {
        std::uint64_t words[kBlock / 8];
        std::memcpy(words, bytes.data() + i, kBlock);
        std::uint64_t any = 0;
        for (const std::uint64_t word : words) {
            any |= word;
        }
        if ((any & 0x8080808080808080u) != 0) {
            return true;
        }
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
            return true;
        }
    }
    return false;
}

void DecodeMacRoman(std::string_view text, Utf16Pieces& pieces) {
    for (const char byte : text) {
        pieces.MakeRoom();
        pieces.Put(MacRomanCharacter(static_cast<unsigned char>(byte)));
    }
}

std::optional<std::string> Decode(std::string_view bytes, ui::Platform& platform,
                                  bool classicMacFile, TextEncoding& encoding) {
    std::string ansi;
    Utf16Pieces pieces(platform, ansi);
    if (StartsWith(bytes, "\xFF\xFE")) {
        encoding = TextEncoding::Utf16LittleEndian;
        ansi.reserve(bytes.size() / 2);
        DecodeUtf16<false>(bytes.substr(2), pieces);
    } else if (StartsWith(bytes, "\xFE\xFF")) {
        encoding = TextEncoding::Utf16BigEndian;
        ansi.reserve(bytes.size() / 2);
        DecodeUtf16<true>(bytes.substr(2), pieces);
    } else if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        encoding = TextEncoding::Utf8;
        ansi.reserve(bytes.size());
        DecodeUtf8(bytes.substr(3), false, pieces);
    } else {
        encoding = TextEncoding::Ansi;
        if (!HasNonAsciiByte(bytes)) {
            return std::nullopt;
        }
        ansi.reserve(bytes.size());
        if (DecodeUtf8(bytes, true, pieces)) {
            encoding = TextEncoding::Utf8;
        } else if (classicMacFile && IsClassicMacText(bytes)) {
            // What the failed UTF-8 reading put out, flushed or not, goes.
            Utf16Pieces macPieces(platform, ansi);
            ansi.clear();
            DecodeMacRoman(bytes, macPieces);
            macPieces.Flush();
            encoding = TextEncoding::MacRoman;
            return ansi;
        } else {
            return std::nullopt;
        }
    }
    pieces.Flush();
    return ansi;
}

}  // namespace

std::optional<std::string> DecodeToAnsi(std::string_view bytes, ui::Platform& platform) {
    TextEncoding encoding = TextEncoding::Ansi;
    return Decode(bytes, platform, false, encoding);
}

std::string Utf8ToAnsi(std::string_view utf8, ui::Platform& platform) {
    std::string ansi;
    Utf16Pieces pieces(platform, ansi);
    DecodeUtf8(utf8, false, pieces);
    pieces.Flush();
    return ansi;
}

std::optional<std::string> DecodeFileToAnsi(std::string_view bytes, ui::Platform& platform,
                                            TextEncoding& encoding) {
    return Decode(bytes, platform, true, encoding);
}

bool IsClassicMacText(std::string_view bytes) {
    // A line feed turns up early in all other files.
    return bytes.find('\n') == std::string_view::npos && bytes.find('\r') != std::string_view::npos;
}

}  // namespace text
