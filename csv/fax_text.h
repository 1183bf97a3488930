#pragma once

namespace csv {

// Cleans a fax field in place as every fax number is cleaned and cuts it to the field length. A
// text without a digit can never be dialled, so it becomes empty.
const char* CleanFaxInPlace(char* field);

}  // namespace csv
