// Dense numbers for texts: the same number for equal texts (with the same
// tag), for the constraint index. Open addressing over a table sized once;
// nothing throws, and nothing is allocated after Allocate.
#pragma once

#include <cstdint>
#include <memory>

#include "ppd/ppd_text.h"

namespace marlow {

class PpdTextIdTable {
public:
    PpdTextIdTable() noexcept;
    PpdTextIdTable(const PpdTextIdTable&) = delete;
    PpdTextIdTable& operator=(const PpdTextIdTable&) = delete;
    ~PpdTextIdTable();

    // Room for up to maxTexts distinct texts; false for want of memory.
    [[nodiscard]] bool Allocate(std::int32_t maxTexts) noexcept;

    // The number of the text with the tag, a new one (the count so far)
    // when it is not there yet; -1 when the table is full. The text must
    // outlive the table.
    std::int32_t FindOrAdd(const PpdText& text, std::int32_t tag) noexcept;
    // The number, or -1 when the text with the tag was never added.
    std::int32_t Find(const PpdText& text, std::int32_t tag) const noexcept {
        return Find(text.Text(), text.Length(), tag);
    }
    std::int32_t Find(const char16_t* units, std::int32_t length, std::int32_t tag) const noexcept;

    std::int32_t Count() const noexcept { return nCount_; }

private:
    static std::uint32_t Hash(const char16_t* units, std::int32_t length,
                              std::int32_t tag) noexcept;
    // The slot that holds the text with the tag, or the empty slot where it
    // belongs.
    std::uint32_t Probe(const char16_t* units, std::int32_t length,
                        std::int32_t tag) const noexcept;

    std::unique_ptr<std::int32_t[]> pSlots_;  // -1 empty, else a number
    std::unique_ptr<const PpdText*[]> ppTexts_;
    std::unique_ptr<std::int32_t[]> pTags_;
    std::uint32_t nMask_;
    std::int32_t nMaxTexts_;
    std::int32_t nCount_;
};

}  // namespace marlow
