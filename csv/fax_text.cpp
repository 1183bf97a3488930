#include "csv/fax_text.h"

#include "recipients/recipient_entry.h"

namespace csv {

const char* CleanFaxInPlace(char* field) {
    if (!recipients::CleanFaxField(field).hasDigit) {
        *field = '\0';
    }
    return field;
}

}  // namespace csv
