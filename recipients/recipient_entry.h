#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "recipients/recipient_collection.h"

namespace recipients {

// Length of the text in every fixed name or fax field (31 bytes with the NUL).
inline constexpr std::size_t kFieldTextMax = 30;

enum class AddResult { Rejected = 0, Added = 1, LimitReached = 2 };

// Keeps only the bytes a fax number may hold, upper-cases ASCII letters; returns the new length.
// A full-width sign counts as its ASCII form; any other double-byte character goes whole.
std::size_t CleanFaxNumber(std::string& fax);
// Single-byte "[" and "]" become "(" and ")"; double-byte characters stay whole.
void ReplaceNameBrackets(std::string& name);
// Removes leading and trailing blanks (0x20 only).
void TrimBlanks(std::string& text);
// Cleans both texts in place and appends "name [fax]" unless it is empty, a duplicate or over
// the limit. The duplicate test comes first, so a duplicate is Rejected even when full.
AddResult AddRecipientEntry(std::string& name, std::string& fax, RecipientCollection& collection);
// "name [fax]" -> name, fax.
void SplitRecipientEntry(std::string_view entry, std::string& name, std::string& fax);
// "%s [%s]"
std::string MakeRecipientEntry(std::string_view name, std::string_view fax);
// Cuts a text to the fixed field length, before a double-byte character that would not fit.
void CutToField(std::string& text);
// The cleaning of a fax number (as above, and CutToField) and of a name (TrimBlanks,
// ReplaceNameBrackets, CutToField) done in place on a NUL-terminated field of a line, with no
// copy: a reader cleans every field of a large file so. Both return the field; the fax number's
// cleaning also tells whether it kept a digit.
struct CleanedFaxField {
    char* text;
    bool hasDigit;
};
CleanedFaxField CleanFaxNumber(char* field);
char* CleanName(char* field);

}  // namespace recipients
