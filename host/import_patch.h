// Replaces one imported function of a loaded module for as long as the patch
// lives, by rewriting that module's import address table - the way a test can
// make a system call answer what a real machine might (an older platform
// version, say) without any hook in the module itself.
#pragma once

#include "platform/windows_sdk.h"

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

private:
    [[nodiscard]] static bool WriteSlot(void** slot, void* value) noexcept;

    void** slot_ = nullptr;
    void* original_ = nullptr;
};

}  // namespace marlow::host
