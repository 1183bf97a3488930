#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform.h"
#include "ui/readable_file.h"

namespace csv {

// A CSV file's text in one buffer with one NUL after its last byte (and kSearchPadding more bytes
// for searches that read whole blocks), cut into lines in place. The buffer holds the whole file,
// or, for a large file read as it stands, a window that moves on through the file as its lines
// are handed out, so that a large file never needs its own size in memory.
class CsvImage {
  public:
    static constexpr std::size_t kWindowBytes = std::size_t{1} << 20;

    // 0, or kOpenFailed (also while another program holds the file open for writing),
    // kSizeFailed, kOutOfMemory or kReadFailed. The whole file is read into the image; Unicode
    // text is then converted to the ANSI code page by the platform (see DecodeToAnsi), before
    // anything reads it.
    int Load(const std::string& path, ui::Platform& platform);
    // As Load, except that a file of more than windowBytes of ASCII or ANSI text is read through
    // a window: once to count its lines, then as lines are handed out. Its first byte beyond
    // ASCII tells: a file where it may begin UTF-8 is read whole, for DecodeToAnsi to decide.
    int Open(const std::string& path, ui::Platform& platform,
             std::size_t windowBytes = kWindowBytes);
    int Open(std::unique_ptr<ui::ReadableFile> file, ui::Platform& platform,
             std::size_t windowBytes);
    // The same from bytes in memory: 0, kOutOfMemory, or kReadFailed when there are none.
    int Assign(std::string_view bytes, ui::Platform& platform);

    // Whether part of the file is still to be read into the window.
    bool IsStreaming() const { return file_ != nullptr; }
    // Reads the rest of the file into the buffer, so that the lines handed out from then on stay
    // where they are: 0, or kOutOfMemory.
    int ReadWhole();
    // Whether a text lies in a window whose lines are overwritten as the window moves on.
    bool MayMove(const char* text) const {
        return !linesStay_ && text >= bytes_.get() && text <= bytes_.get() + length_;
    }

    // The next line, its end (LF or CR LF) overwritten with NUL; nullptr once the last line, the
    // text after the last line feed (possibly empty), has been handed out. In a window, the line
    // and the kMostJoinedLines lines after it are whole; lines handed out before may be gone.
    // Throws std::bad_alloc when a window must grow to hold them and cannot.
    char* NextLine();
    // Every line not yet handed out, cut at once, as NextLine would hand them out. false, with
    // nothing cut, when the rest of the file or the table cannot be held.
    bool CutLines(std::vector<char*>& lines);
    // Lines and delimiters not yet handed out, for sizing the candidate array; in a window, the
    // delimiters are those of the whole file.
    struct Ahead {
        std::size_t lines = 0;
        std::size_t delimiters = 0;
    };
    Ahead CountAhead(char delimiter = ',') const;
    // The text not yet handed out, uncut (in a window, as far as the window goes).
    std::string_view Rest() const;
    // Joins the lines that continue a record whose line, handed out last, ends inside the quoted
    // field openField (see JoinQuotedRecord); false, with nothing changed, where they do not.
    bool JoinQuotedRecord(char* openField, char delimiter, int fieldsBefore, int fieldsWanted);

  private:
    void Release();
    int Allocate(std::size_t length);
    int LoadWhole(ui::ReadableFile& file, std::uint64_t size, ui::Platform& platform);
    int ConvertToAnsi(ui::Platform& platform);
    // Reads the file through the window: 0 with its lines and delimiters counted, 1 when it is
    // or may be Unicode and so is to be read whole, or a ReaderResult code.
    int SurveyFile(ui::ReadableFile& file, std::uint64_t size, std::size_t windowBytes);
    // Moves the window on until it holds kMostJoinedLines + 1 whole lines from next_, or the
    // rest of the file. Throws std::bad_alloc.
    void FillWindow();

    std::unique_ptr<char[]> bytes_;
    std::size_t length_ = 0;
    char* next_ = nullptr;  // nullptr when no line is left
    bool linesStay_ = true;

    // Reading through a window.
    std::unique_ptr<ui::ReadableFile> file_;  // nullptr once the window holds the rest
    std::uint64_t unread_ = 0;
    std::size_t capacity_ = 0;
    std::size_t feedsAhead_ = 0;      // line feeds in the window after next_
    std::size_t feedsHandedOut_ = 0;  // line feeds of the lines handed out
    std::size_t fileFeeds_ = 0;
    std::size_t fileCommas_ = 0;
    std::size_t fileSemicolons_ = 0;
    std::size_t fileTabs_ = 0;
};

// The header is the first line that is not empty, or the last line when all are empty; nullptr
// for an image without lines.
char* CutHeaderLine(CsvImage& image);

}  // namespace csv
