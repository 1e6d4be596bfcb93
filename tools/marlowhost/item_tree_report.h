// Writes a sheet's item tree the way a person reads it: each item indented
// by its level, with its current choice and what the plug-in did to it.
#pragma once

#include "host/item_array.h"
#include "host/utf8_text.h"

#include <cstdio>
#include <string>
#include <vector>

namespace marlow::host {

// One line per item, UTF-8.
std::string WriteItemTree(ItemArray& items);

// What the plug-in did to an item: hidden, disabled, initial tree item,
// changed, and the choices with the warning overlay ("warning on: ...").
std::vector<std::wstring> ListItemNotes(const OPTITEM& item);

// The DMPUB_ name of a public item id; null for 0 and ids of no name.
const wchar_t* DescribeDmPubId(BYTE id);

// The text of the item's current choice ("" when it has none).
std::wstring DescribeSelection(const OPTITEM& item);

}  // namespace marlow::host
