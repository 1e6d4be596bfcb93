// Replaces one imported function of a loaded module for as long as the patch
// lives, by rewriting that module's import address table - the way a test can
// make a system call answer what a real machine might (an older platform
// version, say) without any hook in the module itself.
#pragma once

#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::host {

class ImportPatch {
public:
    // importedDll is compared without regard to case ("kernel32.dll").
    ImportPatch(HMODULE module, const char* importedDll, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool IsActive() const { return slot_ != nullptr; }
    // The function the module imported before the patch.
    void* Original() const { return original_; }
    // The module has been unloaded: there is nothing left to put back.
    void Abandon() { slot_ = nullptr; }

private:
    [[nodiscard]] static bool WriteSlot(void** slot, void* value) noexcept;

    void** slot_ = nullptr;
    void* original_ = nullptr;
};

// The functions a loaded module imports by name from importedDll (compared
// without regard to case), in the order of its import table.
std::vector<std::string> ListImportedFunctions(HMODULE module, const char* importedDll);

}  // namespace marlow::host
