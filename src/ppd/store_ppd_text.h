// Storing raw text into the model: the file's bytes become real UTF-16 here
// and nowhere else.
#pragma once

#include <cstddef>

#include "ppd/ppd_text.h"

namespace marlow {

// Takes the units of the zero-terminated raw text up to its first zero, keeps
// the low byte of each and reads the bytes through the ANSI code page into
// target, cut to 259 units. Without memory for the bytes the target is empty.
void StorePpdText(const char16_t* raw, PpdText& target);

// The same for a raw text of count units that the caller has measured, as
// the tokenizer does; a zero among them still ends the text there.
void StorePpdText(const char16_t* raw, std::size_t count, PpdText& target);

}  // namespace marlow
