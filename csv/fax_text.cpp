#include "csv/fax_text.h"

#include <cstring>

#include "recipients/recipient_entry.h"

namespace csv {

const char* CleanFaxInPlace(char* field) {
    recipients::CleanFaxField(field);
    if (std::strpbrk(field, "0123456789") == nullptr) {
        *field = '\0';
    }
    return field;
}

}  // namespace csv
