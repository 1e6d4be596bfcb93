// The one place where the Windows headers come in, in the order they need.
// Everything of ours that talks to the platform includes this (or one of the
// headers beside it) instead of <windows.h>.
#pragma once

#if !defined(UNICODE) || !defined(_UNICODE)
#error "marlowui is a Unicode build: define UNICODE and _UNICODE for every file"
#endif

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <winspool.h>
#include <compstui.h>
#include <winddiui.h>
