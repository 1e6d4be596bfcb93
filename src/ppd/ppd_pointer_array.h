// The model's growable arrays of owned records: they start at a fixed
// capacity and double when an element is to be added to a full one. Each
// slot owns its element. Nothing throws; a failed allocation is answered
// with false, and an element that finds no room is deleted rather than
// stored out of bounds.
#pragma once

#include <cstdint>
#include <memory>
#include <new>

namespace marlow {

template <typename T>
class PpdPointerArray {
public:
    PpdPointerArray() : nCount_(0), nCapacity_(0) {}
    PpdPointerArray(const PpdPointerArray&) = delete;
    PpdPointerArray& operator=(const PpdPointerArray&) = delete;

    std::int32_t Count() const { return nCount_; }
    bool IsAllocated() const { return pItems_ != nullptr; }

    // The element, or null when the index is out of range.
    T* At(std::int32_t index) const {
        return index >= 0 && index < nCount_ ? pItems_[index].get() : nullptr;
    }

    // The first allocation, of the starting capacity; an array used before
    // starts again empty.
    [[nodiscard]] bool Allocate(std::int32_t capacity) {
        pItems_.reset();
        nCount_ = 0;
        pItems_.reset(new (std::nothrow) std::unique_ptr<T>[capacity]);
        nCapacity_ = pItems_ ? capacity : 0;
        return pItems_ != nullptr;
    }

    // Room for one more element: doubles a full array. False when the array
    // was never allocated or cannot grow.
    [[nodiscard]] bool MakeRoom() {
        if (nCount_ < nCapacity_) {
            return true;
        }
        if (nCapacity_ == 0 || nCapacity_ > INT32_MAX / 2) {
            return false;
        }
        const std::int32_t capacity = nCapacity_ * 2;
        std::unique_ptr<std::unique_ptr<T>[]> grown(new (std::nothrow)
                                                        std::unique_ptr<T>[capacity]);
        if (!grown) {
            return false;
        }
        for (std::int32_t i = 0; i < nCount_; ++i) {
            grown[i] = std::move(pItems_[i]);
        }
        pItems_ = std::move(grown);
        nCapacity_ = capacity;
        return true;
    }

    // Takes ownership of the element, making room for it first when the
    // array is full. False, and the element deleted, when there is no room.
    // Readers that must not lose an element they have worked on call
    // MakeRoom before they create it.
    [[nodiscard]] bool Add(std::unique_ptr<T> item) {
        if (!item || !MakeRoom()) {
            return false;
        }
        pItems_[nCount_++] = std::move(item);
        return true;
    }

private:
    std::unique_ptr<std::unique_ptr<T>[]> pItems_;
    std::int32_t nCount_;
    std::int32_t nCapacity_;
};

}  // namespace marlow
