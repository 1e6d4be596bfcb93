// The tests' names for the host kit's thread language guard and language names.
#pragma once

#include "host/thread_language.h"

namespace marlow::test {
using host::ParseLanguageName;
using host::ThreadLanguage;
}  // namespace marlow::test
