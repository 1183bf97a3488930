#include "resources/rc_script_parser.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <optional>
#include <set>
#include <utility>

#include "resources/win32_style_constants.h"

namespace resource_script {
namespace {

using ui::headless::ControlTemplate;
using ui::headless::DialogTemplate;

constexpr std::uint32_t kWsPopup = 0x80000000;
constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsBorder = 0x00800000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kWsGroup = 0x00020000;
constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr std::uint32_t kDsSetFont = 0x0040;

[[noreturn]] void Fail(std::string_view fileName, int line, const std::string& message) {
    throw ScriptError(std::string(fileName) + ":" + std::to_string(line) + ": error: " + message);
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

enum class TokenKind { Name, Number, String, Comma, Bar, Minus };

struct Token {
    TokenKind kind;
    std::string text;  // a name, the digits of a number, or the decoded bytes of a string
    int line;
};

class Tokenizer {
  public:
    Tokenizer(std::string_view text, std::string_view fileName) : text_(text), file_(fileName) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        bool lineStart = true;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart = true;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (text_.substr(pos_, 2) == "//") {
                SkipToLineEnd();
            } else if (text_.substr(pos_, 2) == "/*") {
                SkipBlockComment();
            } else if (c == '#' && lineStart) {
                Directive();
            } else {
                lineStart = false;
                tokens.push_back(Next());
            }
        }
        return tokens;
    }

  private:
    void SkipToLineEnd() {
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            ++pos_;
        }
    }

    void SkipBlockComment() {
        const int startLine = line_;
        pos_ += 2;
        while (text_.substr(pos_, 2) != "*/") {
            if (pos_ >= text_.size()) {
                Fail(file_, startLine, "unterminated comment");
            }
            line_ += text_[pos_] == '\n';
            ++pos_;
        }
        pos_ += 2;
    }

    // The headers a script includes are read separately (the ids header) or hold nothing the
    // templates need (the Windows headers); any other directive would change what is compiled.
    void Directive() {
        const std::size_t start = pos_;
        SkipToLineEnd();
        const std::string_view directive = Trim(text_.substr(start, pos_ - start));
        if (directive.substr(0, 8) != "#include") {
            Fail(file_, line_,
                 "unsupported preprocessor directive '" + std::string(directive) + "'");
        }
    }

    Token Next() {
        const char c = text_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            return Word(TokenKind::Name);
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            return Word(TokenKind::Number);
        }
        if (c == '"') {
            return String();
        }
        ++pos_;
        switch (c) {
            case ',':
                return {TokenKind::Comma, ",", line_};
            case '|':
                return {TokenKind::Bar, "|", line_};
            case '-':
                return {TokenKind::Minus, "-", line_};
            default:
                Fail(file_, line_, std::string("unexpected character '") + c + "'");
        }
    }

    Token Word(TokenKind kind) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
            ++pos_;
        }
        return {kind, std::string(text_.substr(start, pos_ - start)), line_};
    }

    // A quoted string as the resource compiler reads it: "" stands for one quote, and the C
    // escapes \\ \" \n \t \r \a and octal or \x hex codes stand for their bytes.
    Token String() {
        const int startLine = line_;
        std::string bytes;
        ++pos_;
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                Fail(file_, startLine, "unterminated string");
            }
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    bytes += '"';
                    ++pos_;
                    continue;
                }
                return {TokenKind::String, bytes, startLine};
            }
            bytes += c == '\\' ? Escape() : c;
        }
    }

    char Escape() {
        if (pos_ >= text_.size()) {
            Fail(file_, line_, "unterminated string");
        }
        const char c = text_[pos_++];
        switch (c) {
            case '\\':
                return '\\';
            case '"':
                return '"';
            case 'n':
                return '\n';
            case 't':
                return '\t';
            case 'r':
                return '\r';
            case 'a':
                return '\a';
            case 'x':
                return Code(16, 2);
            default:
                if (c >= '0' && c <= '7') {
                    --pos_;
                    return Code(8, 3);
                }
                Fail(file_, line_, std::string("unsupported escape '\\") + c + "'");
        }
    }

    char Code(int base, int maxDigits) {
        int value = 0;
        int digits = 0;
        while (digits < maxDigits && pos_ < text_.size()) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_])));
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                     : base;
            if (digit >= base) {
                break;
            }
            value = value * base + digit;
            ++digits;
            ++pos_;
        }
        if (digits == 0 || value > 0xFF) {
            Fail(file_, line_, "bad character code in string");
        }
        return static_cast<char>(value);
    }

    std::string_view text_;
    std::string_view file_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

struct ControlKeyword {
    std::string_view keyword;
    std::string_view className;
    std::uint32_t defaultStyle;
    bool hasText;
    bool takesStyle;
};

// Implicit styles of the keyword statements, as windres compiles them; a style given to a push
// button or edit is added to them. windres drops the implicit WS_GROUP of LTEXT, CTEXT and RTEXT
// once a style is given, so those take none here: CONTROL states such styles plainly.
constexpr ControlKeyword kControlKeywords[] = {
    {"LTEXT", "STATIC", 0x0000 | kWsGroup, true, false},
    {"CTEXT", "STATIC", 0x0001 | kWsGroup, true, false},
    {"RTEXT", "STATIC", 0x0002 | kWsGroup, true, false},
    {"GROUPBOX", "BUTTON", 0x0007, true, false},
    {"PUSHBUTTON", "BUTTON", 0x0000 | kWsTabStop, true, true},
    {"DEFPUSHBUTTON", "BUTTON", 0x0001 | kWsTabStop, true, true},
    {"EDITTEXT", "EDIT", 0x0000 | kWsBorder | kWsTabStop, false, true},
};

constexpr std::string_view kControlClasses[] = {"BUTTON", "EDIT", "LISTBOX", "COMBOBOX", "STATIC"};

class Parser {
  public:
    Parser(std::vector<Token> tokens, std::string_view fileName, const SymbolTable& symbols)
        : tokens_(std::move(tokens)), file_(fileName), symbols_(symbols) {}

    ResourceScript Run() {
        while (!AtEnd()) {
            if (PeekName("STRINGTABLE")) {
                Advance();
                StringTable();
                continue;
            }
            const Token idToken = Advance();
            const Token type = ExpectName("a resource type");
            if (type.text == "DIALOG" || type.text == "DIALOGEX") {
                Dialog(idToken);
            } else if (type.text == "RT_MANIFEST") {
                Expect(TokenKind::String, "the manifest file name");
            } else if (type.text == "VERSIONINFO") {
                SkipVersionInfo();
            } else {
                Fail(file_, type.line, "unsupported resource type '" + type.text + "'");
            }
        }
        return std::move(script_);
    }

  private:
    bool AtEnd() const { return pos_ >= tokens_.size(); }

    const Token& Peek() const {
        if (AtEnd()) {
            Fail(file_, tokens_.empty() ? 1 : tokens_.back().line, "unexpected end of file");
        }
        return tokens_[pos_];
    }

    bool PeekName(std::string_view name) const {
        return !AtEnd() && tokens_[pos_].kind == TokenKind::Name && tokens_[pos_].text == name;
    }

    bool PeekKind(TokenKind kind) const { return !AtEnd() && tokens_[pos_].kind == kind; }

    Token Advance() {
        Token token = Peek();
        ++pos_;
        return token;
    }

    Token Expect(TokenKind kind, std::string_view what) {
        const Token& token = Peek();
        if (token.kind != kind) {
            Fail(file_, token.line,
                 "expected " + std::string(what) + ", found '" + token.text + "'");
        }
        return Advance();
    }

    Token ExpectName(std::string_view what) { return Expect(TokenKind::Name, what); }

    void ExpectComma() { Expect(TokenKind::Comma, "','"); }

    void ExpectKeyword(std::string_view keyword) {
        if (!PeekName(keyword)) {
            Fail(file_, Peek().line,
                 "expected " + std::string(keyword) + ", found '" + Peek().text + "'");
        }
        Advance();
    }

    std::int64_t Resolve(const Token& token) const {
        std::optional<std::int64_t> value;
        if (token.kind == TokenKind::Number) {
            value = ParseInteger(token.text);
        } else if (token.kind == TokenKind::Name) {
            const auto symbol = symbols_.find(token.text);
            value = symbol != symbols_.end() ? std::optional(symbol->second)
                                             : FindWin32Constant(token.text);
            if (!value) {
                Fail(file_, token.line, "unknown symbol '" + token.text + "'");
            }
        }
        if (!value) {
            Fail(file_, token.line, "expected a number, found '" + token.text + "'");
        }
        return *value;
    }

    std::int64_t Value() {
        const bool negative = PeekKind(TokenKind::Minus);
        if (negative) {
            Advance();
        }
        const std::int64_t value = Resolve(Advance());
        return negative ? -value : value;
    }

    int Narrow(std::int64_t value, int line) const {
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
            Fail(file_, line, "number out of range");
        }
        return static_cast<int>(value);
    }

    int Int() {
        const int line = Peek().line;
        return Narrow(Value(), line);
    }

    // "A | B | NOT C": each term is added to, or with NOT taken from, what stands to its left,
    // starting from the statement's implicit styles.
    std::uint32_t Style(std::uint32_t base) {
        std::uint32_t style = base;
        while (true) {
            const bool remove = PeekName("NOT");
            if (remove) {
                Advance();
            }
            const auto value = static_cast<std::uint32_t>(Value());
            style = remove ? style & ~value : style | value;
            if (!PeekKind(TokenKind::Bar)) {
                return style;
            }
            Advance();
        }
    }

    template <typename Item>
    void Rectangle(Item& item) {
        item.x = Int();
        ExpectComma();
        item.y = Int();
        ExpectComma();
        item.width = Int();
        ExpectComma();
        item.height = Int();
    }

    void Dialog(const Token& idToken) {
        DialogTemplate dialog;
        dialog.id = Narrow(Resolve(idToken), idToken.line);
        for (const DialogTemplate& other : script_.dialogs) {
            if (other.id == dialog.id) {
                Fail(file_, idToken.line, "dialog " + std::to_string(dialog.id) + " defined twice");
            }
        }
        Rectangle(dialog);
        // windres: STYLE replaces the default, CAPTION and FONT add their bits wherever they stand.
        std::uint32_t style = kWsPopup | kWsBorder | kWsSysMenu;
        std::uint32_t added = 0;
        while (!PeekName("BEGIN")) {
            const Token statement = ExpectName("a dialog statement or BEGIN");
            if (statement.text == "STYLE") {
                style = Style(0);
            } else if (statement.text == "CAPTION") {
                dialog.caption = Expect(TokenKind::String, "the caption").text;
                added |= kWsCaption;
            } else if (statement.text == "FONT") {
                dialog.fontSize = Int();
                ExpectComma();
                dialog.fontName = Expect(TokenKind::String, "the font name").text;
                added |= kDsSetFont;
            } else {
                Fail(file_, statement.line,
                     "unsupported dialog statement '" + statement.text + "'");
            }
        }
        dialog.style = style | added;
        Advance();
        std::set<int> ids;
        while (!PeekName("END")) {
            const int line = Peek().line;
            ControlTemplate control = Control();
            if (control.id != -1 && !ids.insert(control.id).second) {
                Fail(file_, line, "control id " + std::to_string(control.id) + " used twice");
            }
            dialog.controls.push_back(std::move(control));
        }
        Advance();
        script_.dialogs.push_back(std::move(dialog));
    }

    ControlTemplate Control() {
        const Token keyword = ExpectName("a control statement or END");
        ControlTemplate control;
        if (keyword.text == "CONTROL") {
            control.text = Expect(TokenKind::String, "the control text").text;
            ExpectComma();
            control.id = Int();
            ExpectComma();
            control.className = ControlClass(Expect(TokenKind::String, "the control class"));
            ExpectComma();
            control.style = Style(kWsChild | kWsVisible);
            ExpectComma();
            Rectangle(control);
            return control;
        }
        for (const ControlKeyword& known : kControlKeywords) {
            if (keyword.text != known.keyword) {
                continue;
            }
            if (known.hasText) {
                control.text = Expect(TokenKind::String, "the control text").text;
                ExpectComma();
            }
            control.id = Int();
            ExpectComma();
            control.className = known.className;
            Rectangle(control);
            control.style = known.defaultStyle | kWsChild | kWsVisible;
            if (PeekKind(TokenKind::Comma)) {
                const Token comma = Advance();
                if (!known.takesStyle) {
                    Fail(file_, comma.line,
                         "styles on " + keyword.text +
                             " differ between resource compilers; use "
                             "CONTROL");
                }
                control.style = Style(control.style);
            }
            return control;
        }
        Fail(file_, keyword.line, "unsupported control statement '" + keyword.text + "'");
    }

    std::string ControlClass(const Token& token) {
        std::string name = token.text;
        for (char& c : name) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        for (std::string_view known : kControlClasses) {
            if (name == known) {
                return name;
            }
        }
        Fail(file_, token.line, "unsupported control class '" + token.text + "'");
    }

    void StringTable() {
        ExpectKeyword("BEGIN");
        while (!PeekName("END")) {
            const int line = Peek().line;
            const int id = Int();
            if (PeekKind(TokenKind::Comma)) {
                Advance();
            }
            std::string text = Expect(TokenKind::String, "the string").text;
            if (!script_.strings.emplace(id, std::move(text)).second) {
                Fail(file_, line, "string " + std::to_string(id) + " defined twice");
            }
        }
        Advance();
    }

    // The version resource matters to Windows only; its nested blocks are passed over whole.
    void SkipVersionInfo() {
        while (!PeekName("BEGIN")) {
            Advance();
        }
        int depth = 0;
        do {
            const Token token = Advance();
            depth += token.kind == TokenKind::Name && token.text == "BEGIN";
            depth -= token.kind == TokenKind::Name && token.text == "END";
        } while (depth > 0);
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    std::string_view file_;
    const SymbolTable& symbols_;
    ResourceScript script_;
};

}  // namespace

SymbolTable ReadHeaderDefines(std::string_view text, std::string_view fileName) {
    SymbolTable symbols;
    int line = 0;
    int skippedDepth = 0;
    while (!text.empty()) {
        ++line;
        const auto end = text.find('\n');
        std::string_view current = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto comment = current.find("//");
        if (comment != std::string_view::npos) {
            current = current.substr(0, comment);
        }
        current = Trim(current);
        if (skippedDepth > 0) {
            skippedDepth += current.substr(0, 3) == "#if";
            skippedDepth -= current.substr(0, 6) == "#endif";
            continue;
        }
        if (current.empty() || current == "#pragma once") {
            continue;
        }
        if (current == "#ifndef RC_INVOKED") {
            skippedDepth = 1;
            continue;
        }
        if (current.substr(0, 8) == "#define ") {
            const std::string_view rest = Trim(current.substr(8));
            const auto space = rest.find_first_of(" \t");
            const std::string_view name = rest.substr(0, space);
            std::string_view valueText =
                space == std::string_view::npos ? std::string_view() : Trim(rest.substr(space));
            if (valueText.size() > 2 && valueText.front() == '(' && valueText.back() == ')') {
                valueText = Trim(valueText.substr(1, valueText.size() - 2));
            }
            const auto value = ParseInteger(valueText);
            if (!value) {
                Fail(fileName, line,
                     "expected an integer define, found '" + std::string(current) + "'");
            }
            symbols[std::string(name)] = *value;
            continue;
        }
        Fail(fileName, line, "unsupported line '" + std::string(current) + "'");
    }
    if (skippedDepth > 0) {
        Fail(fileName, line, "missing #endif");
    }
    return symbols;
}

ResourceScript ParseResourceScript(std::string_view text, std::string_view fileName,
                                   const SymbolTable& symbols) {
    return Parser(Tokenizer(text, fileName).Run(), fileName, symbols).Run();
}

}  // namespace resource_script
