#include "ppd/ppd_records.h"

namespace marlow {

InstallableSelection::InstallableSelection() = default;

InstallableSelection::~InstallableSelection() = default;

}  // namespace marlow
