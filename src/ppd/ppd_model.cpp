#include "ppd/ppd_model.h"

namespace marlow {

PpdModel::~PpdModel() = default;

}  // namespace marlow
