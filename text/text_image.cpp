#include "text/text_image.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "recipients/reader_result.h"
#include "text/padded_search.h"
#include "text/unicode_header.h"

namespace text {

using recipients::kOpenFailed;
using recipients::kOutOfMemory;
using recipients::kReadFailed;
using recipients::kSizeFailed;

int TextImage::Load(const std::string& path, ui::Platform& platform,
                    const ContactExport* contactExport) {
    Release();
    const std::unique_ptr<ui::ReadableFile> file = platform.OpenFileToRead(path);
    if (!file) {
        return kOpenFailed;
    }
    const std::optional<std::uint64_t> size = file->Size();
    if (!size) {
        return kSizeFailed;
    }
    if (*size >= PTRDIFF_MAX - kSearchPadding) {
        return kOutOfMemory;
    }
    if (const int result = Allocate(static_cast<std::size_t>(*size)); result != 0) {
        return result;
    }
    const std::size_t read = file->Read(bytes_.get(), length_);
    if (read == 0) {
        Release();
        return kReadFailed;
    }
    // A short read leaves no unwritten byte before the padding.
    std::memset(bytes_.get() + read, 0, length_ - read + 1);
    length_ = read;
    return ConvertToAnsi(platform, contactExport);
}

int TextImage::Assign(std::string_view bytes, ui::Platform& platform,
                      const ContactExport* contactExport) {
    Release();
    if (bytes.empty()) {
        return kReadFailed;
    }
    if (const int result = Allocate(bytes.size()); result != 0) {
        return result;
    }
    std::memcpy(bytes_.get(), bytes.data(), bytes.size());
    bytes_[bytes.size()] = '\0';
    return ConvertToAnsi(platform, contactExport);
}

void TextImage::Release() {
    bytes_.reset();
    length_ = 0;
    next_ = nullptr;
    ReleaseOriginal();
}

void TextImage::ReleaseOriginal() {
    unicodeHeader_.reset();
    original_.reset();
    originalLength_ = 0;
    encoding_ = TextEncoding::Ansi;
}

std::optional<std::string> TextImage::UnicodeText() const {
    if (!original_) {
        return std::nullopt;
    }
    return text::UnicodeText({original_.get(), originalLength_}, encoding_);
}

int TextImage::Allocate(std::size_t length) {
    bytes_.reset(new (std::nothrow) char[length + 1 + kSearchPadding]);
    if (!bytes_) {
        return kOutOfMemory;
    }
    std::memset(bytes_.get() + length, 0, 1 + kSearchPadding);
    length_ = length;
    return 0;
}

int TextImage::ConvertToAnsi(ui::Platform& platform, const ContactExport* contactExport) {
    next_ = bytes_.get();
    std::optional<std::string> ansi;
    TextEncoding encoding = TextEncoding::Ansi;
    std::optional<std::string> header;
    bool keepOriginal = false;
    try {
        const std::string_view bytes(bytes_.get(), length_);
        ansi = contactExport != nullptr ? DecodeFileToAnsi(bytes, platform, encoding)
                                        : DecodeToAnsi(bytes, platform);
        if (ansi && contactExport != nullptr) {
            header = text::UnicodeHeader(bytes, encoding);
            keepOriginal =
                contactExport->keepsOwnText != nullptr && contactExport->keepsOwnText(*ansi);
        }
    } catch (const std::bad_alloc&) {
        Release();
        return kOutOfMemory;
    }
    if (ansi) {
        // The file's own bytes go before the converted copy is made, unless the export keeps
        // them.
        std::unique_ptr<char[]> original = std::move(bytes_);
        const std::size_t originalLength = length_;
        Release();
        if (keepOriginal) {
            original_ = std::move(original);
            originalLength_ = originalLength;
            encoding_ = encoding;
        } else {
            original.reset();
        }
        unicodeHeader_ = std::move(header);
        if (const int result = Allocate(ansi->size()); result != 0) {
            Release();
            return result;
        }
        std::memcpy(bytes_.get(), ansi->data(), ansi->size());
        bytes_[ansi->size()] = '\0';
        next_ = bytes_.get();
    }
    if (contactExport != nullptr) {
        CutAtCarriageReturns();
    }
    return 0;
}

void TextImage::CutAtCarriageReturns() {
    const std::string_view text(bytes_.get(), length_);
    if (IsClassicMacText(text)) {
        std::replace(bytes_.get(), bytes_.get() + length_, '\r', '\n');
    }
}

char* TextImage::NextLine() {
    char* line = next_;
    if (line == nullptr) {
        return nullptr;
    }
    char* const end = bytes_.get() + length_;
    char* const feed = FindLineFeedInPaddedText(line, end);
    if (feed == nullptr) {
        next_ = nullptr;
        return line;
    }
    // The line feed stays behind the terminator where a carriage return comes before it.
    if (feed != bytes_.get() && feed[-1] == '\r') {
        feed[-1] = '\0';
    } else {
        *feed = '\0';
    }
    next_ = feed + 1;
    return line;
}

bool TextImage::CutLines(std::vector<char*>& lines) {
    lines.clear();
    try {
        const std::span<const char> rest = Rest();
        lines.reserve(next_ == nullptr ? 0 : std::count(rest.begin(), rest.end(), '\n') + 1);
    } catch (const std::length_error&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    while (char* line = NextLine()) {
        lines.push_back(line);
    }
    return true;
}

std::span<char> TextImage::Rest() {
    if (next_ == nullptr) {
        return {};
    }
    return {next_, static_cast<std::size_t>(bytes_.get() + length_ - next_)};
}

void TextImage::SkipTo(char* next) {
    next_ = next;
}

char* CutHeaderLine(TextImage& image) {
    char* header = nullptr;
    while (char* line = image.NextLine()) {
        header = line;
        if (*line != '\0') {
            break;
        }
    }
    return header;
}

}  // namespace text
