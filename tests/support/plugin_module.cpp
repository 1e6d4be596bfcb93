#include "plugin_module.h"

#include "host/plugin_library.h"

namespace marlow::test {

std::wstring TestProgramDirectory() { return host::GetProgramDirectory(); }

PluginModule::PluginModule()
    : m_path(TestProgramDirectory() + L"marlowui.dll"), m_module(LoadLibraryW(m_path.c_str())) {}

}  // namespace marlow::test
