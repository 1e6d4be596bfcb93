#include "ppd/ppd_records.h"

#include <cstring>
#include <new>

namespace marlow {

std::unique_ptr<UiConstraint> UiConstraint::Create(const PpdText (&texts)[4]) noexcept {
    std::size_t units = 0;
    for (const PpdText& text : texts) {
        units += static_cast<std::size_t>(text.Length()) + 1;
    }
    void* block = ::operator new(sizeof(UiConstraint) + units * sizeof(char16_t), std::nothrow);
    if (block == nullptr) {
        return nullptr;
    }
    std::unique_ptr<UiConstraint> constraint(::new (block) UiConstraint);
    char16_t* next =
        reinterpret_cast<char16_t*>(static_cast<unsigned char*>(block) + sizeof(UiConstraint));
    PpdConstraintText* const targets[] = {&constraint->firstFeature, &constraint->firstOption,
                                          &constraint->secondFeature, &constraint->secondOption};
    for (int i = 0; i < 4; ++i) {
        const std::size_t count = static_cast<std::size_t>(texts[i].Length()) + 1;
        std::memcpy(next, texts[i].Text(), count * sizeof(char16_t));
        targets[i]->pUnits_ = next;
        targets[i]->nLength_ = texts[i].Length();
        next += count;
    }
    return constraint;
}

void UiConstraint::operator delete(void* block) noexcept { ::operator delete(block); }

}  // namespace marlow
