// Prints a sheet's item tree the way a person reads it: each item indented
// by its level, with its current choice and what the plug-in did to it.
#pragma once

#include "host/item_array.h"
#include "host/utf8_text.h"

#include <cstdio>

namespace marlow::host {

void PrintItemTree(std::FILE* out, ItemArray& items);

// The text of the item's current choice ("" when it has none).
std::wstring DescribeSelection(const OPTITEM& item);

}  // namespace marlow::host
