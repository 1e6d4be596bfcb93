// The tests' name for the host kit's thread language guard.
#pragma once

#include "host/thread_language.h"

namespace marlow::test {
using host::ThreadLanguage;
}  // namespace marlow::test
