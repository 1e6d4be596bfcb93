// The built plug-in, loaded from the test program's own directory for as
// long as the object lives.
#pragma once

#include <string>

#include "platform/windows_sdk.h"

namespace marlow::test {

// The directory of the running test program, with a trailing backslash.
std::wstring TestProgramDirectory();

class PluginModule {
public:
    PluginModule();
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    HMODULE Handle() const { return m_hModule; }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    HMODULE m_hModule;
};

}  // namespace marlow::test
