#pragma once

namespace ui {

enum class MessageIcon { None, Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo };
// Values of IDOK, IDCANCEL, IDYES, IDNO.
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

}  // namespace ui
