#include "csv/fax_text.h"

#include <algorithm>

#include "recipients/edit_field_in_place.h"
#include "recipients/recipient_entry.h"

namespace csv {

using recipients::CleanFaxNumber;
using recipients::CutToField;
using recipients::EditFieldInPlace;

const char* CleanFaxInPlace(char* field, std::string& scratch) {
    EditFieldInPlace(field, scratch, [](std::string& fax) {
        CleanFaxNumber(fax);
        CutToField(fax);
        if (std::none_of(fax.begin(), fax.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            fax.clear();
        }
    });
    return field;
}

}  // namespace csv
