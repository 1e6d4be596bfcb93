#include "ppd/ppd_text_id_table.h"

#include <cstring>
#include <new>

namespace marlow {

PpdTextIdTable::PpdTextIdTable() noexcept : nMask_(0), nMaxTexts_(0), nCount_(0) {}

PpdTextIdTable::~PpdTextIdTable() = default;

bool PpdTextIdTable::Allocate(std::int32_t maxTexts) noexcept {
    if (maxTexts < 0 || maxTexts > (1 << 28)) {
        return false;
    }
    // At most half full, so that every probe ends at an empty slot.
    std::uint32_t slots = 16;
    while (slots < 2u * static_cast<std::uint32_t>(maxTexts)) {
        slots *= 2;
    }
    pSlots_.reset(new (std::nothrow) std::int32_t[slots]);
    ppTexts_.reset(new (std::nothrow) const PpdText*[maxTexts > 0 ? maxTexts : 1]);
    pTags_.reset(new (std::nothrow) std::int32_t[maxTexts > 0 ? maxTexts : 1]);
    if (!pSlots_ || !ppTexts_ || !pTags_) {
        return false;
    }
    for (std::uint32_t i = 0; i < slots; ++i) {
        pSlots_[i] = -1;
    }
    nMask_ = slots - 1;
    nMaxTexts_ = maxTexts;
    nCount_ = 0;
    return true;
}

std::uint32_t PpdTextIdTable::Hash(const char16_t* units, std::int32_t length,
                                   std::int32_t tag) noexcept {
    // Four units at a time, each block mixed in with one multiplication,
    // then the rest unit by unit and the tag; the high half folded into
    // the low one at the end, since the slots are picked by the low bits.
    constexpr std::uint64_t kPrime = 0x100000001B3ull;
    std::uint64_t hash = 0xCBF29CE484222325ull ^ static_cast<std::uint64_t>(length);
    std::int32_t i = 0;
    for (; i + 4 <= length; i += 4) {
        std::uint64_t block = 0;
        std::memcpy(&block, units + i, sizeof block);
        hash = (hash ^ block) * kPrime;
        hash ^= hash >> 29;
    }
    for (; i < length; ++i) {
        hash = (hash ^ units[i]) * kPrime;
    }
    hash = (hash ^ static_cast<std::uint32_t>(tag)) * 0xFF51AFD7ED558CCDull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::uint32_t PpdTextIdTable::Probe(const char16_t* units, std::int32_t length,
                                    std::int32_t tag) const noexcept {
    std::uint32_t slot = Hash(units, length, tag) & nMask_;
    for (;;) {
        const std::int32_t id = pSlots_[slot];
        if (id < 0 || (pTags_[id] == tag && ppTexts_[id]->Equals(units, length))) {
            return slot;
        }
        slot = (slot + 1) & nMask_;
    }
}

std::int32_t PpdTextIdTable::FindOrAdd(const PpdText& text, std::int32_t tag) noexcept {
    if (!pSlots_) {
        return -1;
    }
    const std::uint32_t slot = Probe(text.Text(), text.Length(), tag);
    if (pSlots_[slot] >= 0) {
        return pSlots_[slot];
    }
    if (nCount_ == nMaxTexts_) {
        return -1;
    }
    ppTexts_[nCount_] = &text;
    pTags_[nCount_] = tag;
    pSlots_[slot] = nCount_;
    return nCount_++;
}

std::int32_t PpdTextIdTable::Find(const char16_t* units, std::int32_t length,
                                  std::int32_t tag) const noexcept {
    return pSlots_ ? pSlots_[Probe(units, length, tag)] : -1;
}

}  // namespace marlow
