// The built plug-in, loaded from the test program's own directory for as
// long as the object lives.
#pragma once

#include "platform/win32_handles.h"

#include <string>

namespace marlow::test {

// The directory of the running test program, with a trailing backslash.
std::wstring TestProgramDirectory();

class PluginModule {
public:
    PluginModule();

    HMODULE Handle() const { return m_module.Get(); }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    UniqueModule m_module;
};

}  // namespace marlow::test
