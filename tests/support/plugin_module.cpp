#include "plugin_module.h"

#include <vector>

namespace marlow::test {

std::wstring TestProgramDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return L".\\";
        }
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            return path.substr(0, path.find_last_of(L"\\/") + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

PluginModule::PluginModule()
    : m_path(TestProgramDirectory() + L"marlowui.dll"), m_hModule(LoadLibraryW(m_path.c_str())) {}

PluginModule::~PluginModule() {
    if (m_hModule != nullptr) {
        FreeLibrary(m_hModule);
    }
}

}  // namespace marlow::test
