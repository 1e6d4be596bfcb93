// Placeholder until the PPD reader lands.
#pragma once

namespace marlow {

class PpdModel {
public:
    virtual ~PpdModel();
};

}  // namespace marlow
