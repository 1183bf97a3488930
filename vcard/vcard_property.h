#pragma once

#include <string_view>

#include "text/title_matcher.h"

namespace vcard {

// One content line of a vCard, "[group.]NAME[;PARAM...]:VALUE", with what the reader needs of
// its parameters. The value is the line's own text from after the colon.
struct VCardProperty {
    std::string_view group;  // empty for none
    std::string_view name;   // without its group
    // One of its types is FAX, or a type or label parameter holds a fax word.
    bool fax = false;
    bool quotedPrintable = false;
    bool utf8 = false;  // CHARSET=UTF-8
    char* value = nullptr;
};

// false for a line without a colon outside quotes. The fax words, when given, are looked for in
// the values of TYPE, LABEL and X-ABLABEL parameters and in bare (vCard 2.1) parameters.
bool ParseVCardProperty(char* line, VCardProperty& property,
                        const text::TitleMatcher* faxWords = nullptr);

// The name equals word (given in upper case) in any ASCII case.
bool IsWord(std::string_view text, std::string_view word);

// "=XX" becomes the byte XX, in place; any other "=" stays.
void DecodeQuotedPrintable(char* text);

// Cuts a structured value at its separators (";" without a backslash before it) in place into at
// most `most` components and returns how many it set; components after those are dropped.
int CutComponents(char* value, char** components, int most);

// Decodes the backslash escapes of a text value in place; an escaped line break becomes a blank.
void Unescape(char* text);

// The number of a TEL value: without a "tel:" prefix and its URI parameters, or without an
// ";ext=" part.
char* TelephoneNumber(char* value);

}  // namespace vcard
