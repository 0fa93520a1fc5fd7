#include "app/session.h"

namespace orvane {

StateInputs Session::stateInputs() {
    // No state settings yet: no state tax, SDI or SUI.
    return StateInputs{};
}

}  // namespace orvane
