#include "csv/csv_image.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "csv/byte_count.h"
#include "csv/padded_search.h"
#include "csv/record_joining.h"
#include "csv/text_decoding.h"
#include "recipients/reader_result.h"

namespace csv {

using recipients::kOpenFailed;
using recipients::kOutOfMemory;
using recipients::kReadFailed;
using recipients::kSizeFailed;

namespace {

// Reads until length bytes are in or the file gives no more; how many are in.
std::size_t ReadFully(ui::ReadableFile& file, char* into, std::size_t length) {
    std::size_t total = 0;
    while (total < length) {
        const std::size_t read = file.Read(into + total, length - total);
        if (read == 0) {
            break;
        }
        total += read;
    }
    return total;
}

}  // namespace

int CsvImage::Load(const std::string& path, ui::Platform& platform) {
    return Open(path, platform, SIZE_MAX);
}

int CsvImage::Open(const std::string& path, ui::Platform& platform, std::size_t windowBytes) {
    Release();
    std::unique_ptr<ui::ReadableFile> file = platform.OpenFileToRead(path);
    if (!file) {
        return kOpenFailed;
    }
    return Open(std::move(file), platform, windowBytes);
}

int CsvImage::Open(std::unique_ptr<ui::ReadableFile> file, ui::Platform& platform,
                   std::size_t windowBytes) {
    Release();
    const std::optional<std::uint64_t> size = file->Size();
    if (!size) {
        return kSizeFailed;
    }
    if (*size >= PTRDIFF_MAX - kSearchPadding) {
        return kOutOfMemory;
    }
    // A byte-order mark must fit in the first window.
    windowBytes = std::max<std::size_t>(windowBytes, 4);
    if (*size <= windowBytes) {
        return LoadWhole(*file, *size, platform);
    }
    if (const int result = Allocate(windowBytes); result != 0) {
        return result;
    }
    const int surveyed = SurveyFile(*file, *size, windowBytes);
    if (surveyed < 0) {
        Release();
        return surveyed;
    }
    if (!file->Rewind()) {
        Release();
        return kReadFailed;
    }
    if (surveyed == 1) {
        Release();
        return LoadWhole(*file, *size, platform);
    }
    file_ = std::move(file);
    unread_ = *size;
    capacity_ = windowBytes;
    linesStay_ = false;
    length_ = 0;
    next_ = bytes_.get();
    try {
        FillWindow();
    } catch (const std::bad_alloc&) {
        Release();
        return kOutOfMemory;
    }
    if (length_ == 0) {
        Release();
        return kReadFailed;
    }
    return 0;
}

int CsvImage::LoadWhole(ui::ReadableFile& file, std::uint64_t size, ui::Platform& platform) {
    if (const int result = Allocate(static_cast<std::size_t>(size)); result != 0) {
        return result;
    }
    const std::size_t read = ReadFully(file, bytes_.get(), length_);
    if (read == 0) {
        Release();
        return kReadFailed;
    }
    // A short read leaves no unwritten byte before the padding.
    std::memset(bytes_.get() + read, 0, length_ - read + 1);
    length_ = read;
    return ConvertToAnsi(platform);
}

int CsvImage::SurveyFile(ui::ReadableFile& file, std::uint64_t size, std::size_t windowBytes) {
    // Text that may be UTF-8 is read whole for DecodeToAnsi to decide; ANSI text, known from its
    // first byte beyond ASCII, and ASCII text are read through the window.
    bool ansi = false;
    std::uint64_t unread = size;
    for (bool first = true; unread > 0; first = false) {
        const std::size_t read =
            ReadFully(file, bytes_.get(),
                      static_cast<std::size_t>(std::min<std::uint64_t>(windowBytes, unread)));
        if (read == 0) {
            return first ? kReadFailed : 0;
        }
        const std::string_view piece(bytes_.get(), read);
        if (first && StartsWithByteOrderMark(piece)) {
            return 1;
        }
        if (!ansi) {
            const FirstNonAscii found = ClassifyFirstNonAscii(piece);
            if (found == FirstNonAscii::kMaybeUtf8) {
                return 1;
            }
            ansi = found == FirstNonAscii::kNotUtf8;
        }
        const ByteCounts feedsAndCommas =
            CountTwoBytes(piece.data(), piece.data() + read, '\n', ',');
        const ByteCounts semicolonsAndTabs =
            CountTwoBytes(piece.data(), piece.data() + read, ';', '\t');
        fileFeeds_ += feedsAndCommas.first;
        fileCommas_ += feedsAndCommas.second;
        fileSemicolons_ += semicolonsAndTabs.first;
        fileTabs_ += semicolonsAndTabs.second;
        unread -= read;
    }
    return 0;
}

void CsvImage::FillWindow() {
    while (file_ != nullptr && feedsAhead_ <= kMostJoinedLines) {
        const auto kept = static_cast<std::size_t>(bytes_.get() + length_ - next_);
        // At least half the window stays free for reading, so that no byte is moved often.
        if (kept > capacity_ / 2) {
            const std::size_t capacity = capacity_ * 2;
            std::unique_ptr<char[]> grown(new char[capacity + 1 + kSearchPadding]);
            std::memcpy(grown.get(), next_, kept);
            bytes_ = std::move(grown);
            capacity_ = capacity;
        } else {
            std::memmove(bytes_.get(), next_, kept);
        }
        next_ = bytes_.get();
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(capacity_ - kept, unread_));
        const std::size_t read = file_->Read(bytes_.get() + kept, wanted);
        unread_ -= read;
        length_ = kept + read;
        std::memset(bytes_.get() + length_, 0, 1 + kSearchPadding);
        feedsAhead_ += CountTwoBytes(bytes_.get() + kept, bytes_.get() + length_, '\n', '\n').first;
        if (read == 0 || unread_ == 0) {
            file_.reset();
        }
    }
}

int CsvImage::ReadWhole() {
    if (file_ != nullptr) {
        const auto kept = static_cast<std::size_t>(bytes_.get() + length_ - next_);
        if (unread_ >= PTRDIFF_MAX - kSearchPadding - kept) {
            return kOutOfMemory;
        }
        const std::size_t capacity = kept + static_cast<std::size_t>(unread_);
        std::unique_ptr<char[]> whole(new (std::nothrow) char[capacity + 1 + kSearchPadding]);
        if (!whole) {
            return kOutOfMemory;
        }
        std::memcpy(whole.get(), next_, kept);
        length_ = kept + ReadFully(*file_, whole.get() + kept, capacity - kept);
        std::memset(whole.get() + length_, 0, 1 + kSearchPadding);
        bytes_ = std::move(whole);
        next_ = bytes_.get();
        capacity_ = capacity;
        file_.reset();
    }
    linesStay_ = true;
    return 0;
}

int CsvImage::Assign(std::string_view bytes, ui::Platform& platform) {
    Release();
    if (bytes.empty()) {
        return kReadFailed;
    }
    if (const int result = Allocate(bytes.size()); result != 0) {
        return result;
    }
    std::memcpy(bytes_.get(), bytes.data(), bytes.size());
    bytes_[bytes.size()] = '\0';
    return ConvertToAnsi(platform);
}

void CsvImage::Release() {
    bytes_.reset();
    length_ = 0;
    next_ = nullptr;
    linesStay_ = true;
    file_.reset();
    unread_ = 0;
    capacity_ = 0;
    feedsAhead_ = 0;
    feedsHandedOut_ = 0;
    fileFeeds_ = 0;
    fileCommas_ = 0;
    fileSemicolons_ = 0;
    fileTabs_ = 0;
}

int CsvImage::Allocate(std::size_t length) {
    bytes_.reset(new (std::nothrow) char[length + 1 + kSearchPadding]);
    if (!bytes_) {
        return kOutOfMemory;
    }
    std::memset(bytes_.get() + length, 0, 1 + kSearchPadding);
    length_ = length;
    return 0;
}

int CsvImage::ConvertToAnsi(ui::Platform& platform) {
    next_ = bytes_.get();
    std::optional<std::string> ansi;
    try {
        ansi = DecodeToAnsi(std::string_view(bytes_.get(), length_), platform);
    } catch (const std::bad_alloc&) {
        Release();
        return kOutOfMemory;
    }
    if (!ansi) {
        return 0;
    }
    // The file's own bytes go before the converted copy is made.
    Release();
    if (const int result = Allocate(ansi->size()); result != 0) {
        Release();
        return result;
    }
    std::memcpy(bytes_.get(), ansi->data(), ansi->size());
    bytes_[ansi->size()] = '\0';
    next_ = bytes_.get();
    return 0;
}

char* CsvImage::NextLine() {
    if (next_ == nullptr) {
        return nullptr;
    }
    FillWindow();
    char* line = next_;
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
    if (!linesStay_) {
        feedsAhead_ -= feedsAhead_ > 0 ? 1 : 0;
        ++feedsHandedOut_;
    }
    return line;
}

bool CsvImage::CutLines(std::vector<char*>& lines) {
    lines.clear();
    if (ReadWhole() != 0) {
        return false;
    }
    try {
        lines.reserve(CountAhead().lines);
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

CsvImage::Ahead CsvImage::CountAhead(char delimiter) const {
    if (next_ == nullptr) {
        return {};
    }
    if (!linesStay_) {
        const std::size_t delimiters = delimiter == ','    ? fileCommas_
                                       : delimiter == ';'  ? fileSemicolons_
                                       : delimiter == '\t' ? fileTabs_
                                                           : 0;
        return {fileFeeds_ - std::min(fileFeeds_, feedsHandedOut_) + 1, delimiters};
    }
    const ByteCounts counts = CountTwoBytes(next_, bytes_.get() + length_, '\n', delimiter);
    return {counts.first + 1, counts.second};
}

std::string_view CsvImage::Rest() const {
    if (next_ == nullptr) {
        return {};
    }
    return {next_, static_cast<std::size_t>(bytes_.get() + length_ - next_)};
}

bool CsvImage::JoinQuotedRecord(char* openField, char delimiter, int fieldsBefore,
                                int fieldsWanted) {
    const JoinedRecord joined = csv::JoinQuotedRecord(openField, next_, bytes_.get() + length_,
                                                      delimiter, fieldsBefore, fieldsWanted);
    if (joined.joined) {
        next_ = joined.next;
        if (!linesStay_) {
            feedsAhead_ -= std::min(feedsAhead_, joined.lineFeeds);
            feedsHandedOut_ += joined.lineFeeds;
        }
    }
    return joined.joined;
}

char* CutHeaderLine(CsvImage& image) {
    char* header = nullptr;
    while (char* line = image.NextLine()) {
        header = line;
        if (*line != '\0') {
            break;
        }
    }
    return header;
}

}  // namespace csv
