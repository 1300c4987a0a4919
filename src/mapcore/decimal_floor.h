#pragma once

#include <string>

namespace vendrel {

// The greatest multiple of 0.001 not above `value`, printed by the number rule. The cut
// is made on the value's 15 significant decimal digits, not on its binary form, so a
// value that already has three decimals or fewer stays exact: 0.3 stays 0.3 and -1.2
// stays -1.2 rather than turning into 0.299 and -1.201.
std::string FloorToThousandths(double value);

}  // namespace vendrel
