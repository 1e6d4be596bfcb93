// Each install section the models reach: what it copies (CopyFiles names
// @files or file-list sections whose lines are name[,,flag] only, since
// printer INFs allow no source or temporary names), that everything goes to
// the printer driver directory (dirid 66000), that the platform's PostScript
// driver comes in through DataSection=PSCRIPT_DATA, Include=NTPRINT.INF and
// Needs=PSCRIPT.OEM, that the data file is copied, at most 64 dependent
// files, and that every copied file is in the package for every
// architecture that reaches the section.
#pragma once

#include "package_context.h"

namespace marlow {

void CheckInstallSections(PackageContext& context);

}  // namespace marlow
