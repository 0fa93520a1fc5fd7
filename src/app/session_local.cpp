#include "app/session.h"

namespace orvane {

CityInputs Session::cityInputs() {
    // No city settings yet: no local tax.
    return CityInputs{};
}

}  // namespace orvane
