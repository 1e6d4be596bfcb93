#include "plugin_module.h"

#include "host/plugin_library.h"

namespace marlow::test {

std::wstring TestProgramDirectory() { return host::GetProgramDirectory(); }

PluginModule::PluginModule()
    : m_path(TestProgramDirectory() + L"marlowui.dll"), m_hModule(LoadLibraryW(m_path.c_str())) {}

PluginModule::~PluginModule() {
    if (m_hModule != nullptr) {
        FreeLibrary(m_hModule);
    }
}

}  // namespace marlow::test
