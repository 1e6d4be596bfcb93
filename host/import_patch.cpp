#include "host/import_patch.h"

#include <cstring>

namespace marlow::host {
namespace {

template <typename T>
T* AtRva(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

const IMAGE_IMPORT_DESCRIPTOR* FindImportDescriptor(HMODULE module, const char* importedDll) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = AtRva<const IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) {
        return nullptr;
    }
    for (const auto* descriptor = AtRva<const IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
         descriptor->Name != 0; ++descriptor) {
        if (lstrcmpiA(AtRva<const char>(module, descriptor->Name), importedDll) == 0) {
            return descriptor;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<std::string> ListImportedFunctions(HMODULE module, const char* importedDll) {
    std::vector<std::string> names;
    const IMAGE_IMPORT_DESCRIPTOR* descriptor =
        module != nullptr ? FindImportDescriptor(module, importedDll) : nullptr;
    if (descriptor == nullptr || descriptor->OriginalFirstThunk == 0) {
        return names;
    }
    for (auto* thunk = AtRva<IMAGE_THUNK_DATA>(module, descriptor->OriginalFirstThunk);
         thunk->u1.AddressOfData != 0; ++thunk) {
        if (!IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal)) {
            names.emplace_back(reinterpret_cast<const char*>(
                AtRva<const IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(thunk->u1.AddressOfData))->Name));
        }
    }
    return names;
}

ImportPatch::ImportPatch(HMODULE module, const char* importedDll, const char* function,
                         void* replacement) {
    if (module == nullptr) {
        return;
    }
    const IMAGE_IMPORT_DESCRIPTOR* descriptor = FindImportDescriptor(module, importedDll);
    if (descriptor == nullptr || descriptor->OriginalFirstThunk == 0) {
        return;
    }
    auto* names = AtRva<IMAGE_THUNK_DATA>(module, descriptor->OriginalFirstThunk);
    auto* addresses = AtRva<IMAGE_THUNK_DATA>(module, descriptor->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
            continue;
        }
        const auto* byName =
            AtRva<const IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
            void** slot = reinterpret_cast<void**>(&addresses->u1.Function);
            void* original = *slot;
            if (WriteSlot(slot, replacement)) {
                slot_ = slot;
                original_ = original;
            }
            return;
        }
    }
}

ImportPatch::~ImportPatch() {
    if (slot_ != nullptr) {
        static_cast<void>(WriteSlot(slot_, original_));
    }
}

bool ImportPatch::WriteSlot(void** slot, void* value) noexcept {
    DWORD oldProtection = 0;
    if (!VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &oldProtection)) {
        return false;
    }
    *slot = value;
    VirtualProtect(slot, sizeof(void*), oldProtection, &oldProtection);
    return true;
}

}  // namespace marlow::host
