#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace recipients {

// Applies a text routine to a NUL-terminated field of a line cut in place and writes the result
// back over the field. A result longer than the field is cut to it, so nothing past the field's
// terminator is ever written. Returns the edited field. A caller in a loop over lines passes its
// own scratch text so that a field costs no allocation.
template <typename Edit>
std::string_view EditFieldInPlace(char* field, std::string& scratch, Edit edit) {
    const std::size_t room = std::strlen(field);
    scratch.assign(field, room);
    edit(scratch);
    if (scratch.size() > room) {
        scratch.resize(room);
    }
    std::memcpy(field, scratch.data(), scratch.size());
    field[scratch.size()] = '\0';
    return {field, scratch.size()};
}

template <typename Edit>
std::string_view EditFieldInPlace(char* field, Edit edit) {
    std::string scratch;
    return EditFieldInPlace(field, scratch, edit);
}

}  // namespace recipients
