// The monkey: a user who does anything the sheet lets them do, at random
// but from a seed, so that the same seed takes the same steps. Each step is
// drawn from what the open sheet shows at that moment: switch pages, pick
// an entry of any list, click any enabled button, check box or radio
// button, type or paste random text (letters, digits, blanks, letters
// outside ASCII, control characters, more than the field holds) into any
// edit field, press keys, choose on the items page, Apply; now and then OK
// or Cancel, after which a new sheet opens on the settings the host keeps.
// Every step is a script step, so the steps so far replay as a script.
#pragma once

#include "script.h"

#include "host/driver_items_page.h"
#include "host/host_sheet.h"
#include "platform/windows_sdk.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace marlow::host {

class Monkey {
public:
    Monkey(std::uint32_t seed, unsigned long steps);

    // The sheet the next steps are taken on (its records and items page).
    void UseSheet(HostSheet& records, DriverItemsPage& itemsPage);
    // The next step on the open sheet; false once the steps are spent.
    [[nodiscard]] bool TakeStep(HWND sheet, ScriptStep* step);
    bool HasStepsLeft() const { return taken_ < budget_; }
    // The sheet closed with steps left: a new-sheet step.
    ScriptStep TakeNewSheet();

private:
    ScriptStep MakeStep(const std::wstring& verb, std::vector<std::wstring> arguments);
    bool TakeControlStep(HWND page, ScriptStep* step);
    bool TakeItemStep(ScriptStep* step);
    std::wstring MakeText();
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : static_cast<std::uint32_t>(engine_() % n); }
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

    std::mt19937 engine_;
    unsigned long budget_;
    unsigned long taken_ = 0;
    HostSheet* records_ = nullptr;
    DriverItemsPage* itemsPage_ = nullptr;
};

}  // namespace marlow::host
