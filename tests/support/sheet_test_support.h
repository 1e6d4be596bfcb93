// What the item tests share: a plug-in session on the test printer's PPD,
// and ways to read the marks the plug-in left on the host's items.
#pragma once

#include "host/plugin_session.h"
#include "host/sheet_items.h"
#include "host/utf8_text.h"
#include "temp_file.h"
#include "test_printer_ppd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlow::test {

inline std::wstring PluginPath() { return host::GetProgramDirectory() + L"marlowui.dll"; }

class SheetTest : public ::testing::Test {
protected:
    explicit SheetTest(const char* ppd = kTestPrinterPpd)
        : ppdFile(ppd), session(PluginPath(), MakeUniqueName(L"Marlow Test"), ppdFile.Path()) {}

    void SetUp() override {
        ASSERT_TRUE(session.IsReady()) << host::ToUtf8(session.Problem());
    }

    // A document sheet after both CommonUIProp calls.
    std::unique_ptr<host::HostSheet> OpenDocumentSheet() {
        auto sheet = session.MakeDocumentSheet();
        EXPECT_EQ(S_OK, session.RunCommonUIProp(*sheet));
        return sheet;
    }

    std::unique_ptr<host::HostSheet> OpenSheet(
        DWORD mode, const std::vector<host::HostItemDescription>& items) {
        auto sheet = session.MakeSheet(mode, items);
        EXPECT_EQ(S_OK, session.RunCommonUIProp(*sheet));
        return sheet;
    }

    std::vector<host::HostItemDescription> DocumentItemDescriptions() {
        return host::BuildDocumentItemDescriptions(session.Ppd());
    }

    TempFile ppdFile;
    host::PluginSession session;
};

// The texts of the item's choices that carry the warning overlay.
inline std::vector<std::wstring> MarkedChoices(const OPTITEM* item) {
    std::vector<std::wstring> marked;
    if (item == nullptr || item->pOptType == nullptr) return marked;
    for (WORD i = 0; i < item->pOptType->Count; ++i) {
        const OPTPARAM& param = item->pOptType->pOptParam[i];
        if (param.Flags & OPTPF_OVERLAY_WARNING_ICON) marked.emplace_back(param.pData);
    }
    return marked;
}

inline bool HasFlag(const OPTITEM* item, DWORD flag) { return item != nullptr && (item->Flags & flag) != 0; }

inline std::vector<std::wstring> Texts(std::initializer_list<const wchar_t*> texts) {
    return std::vector<std::wstring>(texts.begin(), texts.end());
}

// Moves the first item with this name to the end of the list, or removes it.
inline void MoveItemToEnd(std::vector<host::HostItemDescription>& descriptions, BYTE dmPubId) {
    for (auto it = descriptions.begin(); it != descriptions.end(); ++it) {
        if (it->dmPubId == dmPubId) {
            host::HostItemDescription description = *it;
            descriptions.erase(it);
            descriptions.push_back(description);
            return;
        }
    }
}

inline void RemoveItem(std::vector<host::HostItemDescription>& descriptions, BYTE dmPubId) {
    for (auto it = descriptions.begin(); it != descriptions.end(); ++it) {
        if (it->dmPubId == dmPubId) {
            descriptions.erase(it);
            return;
        }
    }
}

inline host::HostItemDescription* FindDescription(
    std::vector<host::HostItemDescription>& descriptions, BYTE dmPubId) {
    for (auto& description : descriptions) {
        if (description.dmPubId == dmPubId) return &description;
    }
    return nullptr;
}

}  // namespace marlow::test
