#include "csv/record_joining.h"

#include <cstring>

#include "csv/csv_splitter.h"

namespace csv {

namespace {

// One line of the image ahead, not yet cut: its text and the start of the line after it.
struct RawLine {
    char* text = nullptr;
    char* textEnd = nullptr;  // its CR LF or LF, or the image's end
    char* next = nullptr;     // nullptr for the last line
};

RawLine LineAt(char* text, const char* end) {
    RawLine line{text, nullptr, nullptr};
    auto* feed = static_cast<char*>(std::memchr(text, '\n', static_cast<std::size_t>(end - text)));
    if (feed == nullptr) {
        line.textEnd = text + (end - text);
        return line;
    }
    line.textEnd = (feed != text && feed[-1] == '\r') ? feed - 1 : feed;
    line.next = feed + 1;
    return line;
}

const char* FindByte(const char* from, const char* to, char byte) {
    return static_cast<const char*>(std::memchr(from, byte, static_cast<std::size_t>(to - from)));
}

enum class LineEnd { RecordEnds, RecordGoesOn, Broken };

// Reads one more line of a record as the splitter will read the joined record, counting the
// fields that end on it. A quoted field that runs past its line must close before the delimiter
// or the end of a line; "" is a quote inside it.
LineEnd ReadRecordLine(const RawLine& line, char delimiter, bool& inQuote, int& fields) {
    const char* text = line.text;
    for (;;) {
        if (inQuote) {
            const char* closing = FindByte(text, line.textEnd, '"');
            while (closing != nullptr && closing + 1 != line.textEnd && closing[1] == '"') {
                closing = FindByte(closing + 2, line.textEnd, '"');
            }
            if (closing == nullptr) {
                return LineEnd::RecordGoesOn;
            }
            inQuote = false;
            ++fields;
            text = closing + 1;
            if (text == line.textEnd || fields == kCsvMaxFields) {
                return LineEnd::RecordEnds;
            }
            if (*text++ != delimiter) {
                return LineEnd::Broken;
            }
            continue;
        }
        if (text != line.textEnd && *text == '"') {
            inQuote = true;
            ++text;
            continue;
        }
        const char* separator = FindByte(text, line.textEnd, delimiter);
        ++fields;
        if (separator == nullptr || fields == kCsvMaxFields) {
            return LineEnd::RecordEnds;
        }
        text = separator + 1;
    }
}

void MoveLinesTogether(char* lineEnd, char* first, const RawLine& last, const char* end) {
    char* write = lineEnd;
    for (char* text = first;;) {
        const RawLine line = LineAt(text, end);
        *write++ = ' ';
        const auto length = static_cast<std::size_t>(line.textEnd - line.text);
        std::memmove(write, line.text, length);
        write += length;
        if (line.text == last.text) {
            break;
        }
        text = line.next;
    }
    *write = '\0';
}

}  // namespace

JoinedRecord JoinQuotedRecord(char* openField, char* next, const char* end, char delimiter,
                              int fieldsBefore, int fieldsWanted) {
    bool inQuote = true;
    int fields = fieldsBefore;
    char* text = next;
    for (int lines = 0; text != nullptr && lines < kMostJoinedLines; ++lines) {
        const RawLine line = LineAt(text, end);
        // A NUL inside a line would end the record early for the splitter.
        if (FindByte(line.text, line.textEnd, '\0') != nullptr) {
            return {};
        }
        switch (ReadRecordLine(line, delimiter, inQuote, fields)) {
            case LineEnd::RecordGoesOn:
                text = line.next;
                continue;
            case LineEnd::Broken:
                return {};
            case LineEnd::RecordEnds:
                if (fields != fieldsWanted) {
                    return {};
                }
                MoveLinesTogether(openField + std::strlen(openField), next, line, end);
                return {true, line.next};
        }
    }
    return {};
}

bool JoinQuotedRecord(text::TextImage& image, char* openField, char delimiter, int fieldsBefore,
                      int fieldsWanted) {
    const std::span<char> rest = image.Rest();
    const JoinedRecord joined =
        JoinQuotedRecord(openField, rest.empty() ? nullptr : rest.data(), rest.data() + rest.size(),
                         delimiter, fieldsBefore, fieldsWanted);
    if (joined.joined) {
        image.SkipTo(joined.next);
    }
    return joined.joined;
}

}  // namespace csv
