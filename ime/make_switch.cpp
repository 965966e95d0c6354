#include "ime/switch.h"

namespace ime {

std::unique_ptr<Switch> MakeSwitch() {
    return std::make_unique<NullSwitch>();
}

} // namespace ime
