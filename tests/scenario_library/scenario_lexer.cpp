#include "tests/scenario_library/scenario_lexer.h"

#include "tests/scenario_library/scenario.h"

namespace scenario {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes the two hex digits after "\x" at text[pos]; pos is left on the last digit.
char DecodeHexEscape(std::string_view text, size_t& pos, int line) {
    if (pos + 2 >= text.size() || HexValue(text[pos + 1]) < 0 || HexValue(text[pos + 2]) < 0) {
        throw ParseError(line, "\\x needs two hex digits");
    }
    const int value = HexValue(text[pos + 1]) * 16 + HexValue(text[pos + 2]);
    pos += 2;
    return static_cast<char>(value);
}

std::string ReadQuoted(std::string_view text, size_t& pos, int line) {
    std::string word;
    ++pos;  // opening quote
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            if (pos < text.size() && !IsBlank(text[pos])) {
                throw ParseError(line, "a quoted word must be followed by a blank");
            }
            return word;
        }
        if (c != '\\') {
            word += c;
            ++pos;
            continue;
        }
        if (pos + 1 >= text.size())
            break;
        switch (text[pos + 1]) {
            case '"':
                word += '"';
                ++pos;
                break;
            case '\\':
                word += '\\';
                ++pos;
                break;
            case 't':
                word += '\t';
                ++pos;
                break;
            case 'n':
                word += '\n';
                ++pos;
                break;
            case 'x':
                ++pos;
                word += DecodeHexEscape(text, pos, line);
                break;
            default:
                throw ParseError(line, std::string("unknown escape \\") + text[pos + 1]);
        }
        ++pos;
    }
    throw ParseError(line, "unterminated quoted word");
}

}  // namespace

std::vector<std::string> SplitWords(std::string_view text, int line) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (true) {
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (pos == text.size())
            return words;
        if (text[pos] == '"') {
            words.push_back(ReadQuoted(text, pos, line));
            continue;
        }
        const size_t start = pos;
        while (pos < text.size() && !IsBlank(text[pos])) {
            if (text[pos] == '"') {
                throw ParseError(line, "a word that holds a quote must be written in quotes");
            }
            ++pos;
        }
        words.emplace_back(text.substr(start, pos - start));
    }
}

std::string DecodeContentLine(std::string_view text, int line) {
    std::string decoded;
    for (size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '\\' && pos + 1 < text.size() && text[pos + 1] == '\\') {
            decoded += '\\';
            ++pos;
        } else if (text[pos] == '\\' && pos + 1 < text.size() && text[pos + 1] == 'x') {
            ++pos;
            decoded += DecodeHexEscape(text, pos, line);
        } else {
            decoded += text[pos];
        }
    }
    return decoded;
}

std::string DecodeHex(const std::vector<std::string>& words, int line) {
    std::string bytes;
    for (const std::string& word : words) {
        if (word.size() % 2 != 0)
            throw ParseError(line, "odd number of hex digits: " + word);
        for (size_t i = 0; i < word.size(); i += 2) {
            const int high = HexValue(word[i]);
            const int low = HexValue(word[i + 1]);
            if (high < 0 || low < 0)
                throw ParseError(line, "not a hex byte: " + word);
            bytes += static_cast<char>(high * 16 + low);
        }
    }
    return bytes;
}

}  // namespace scenario
