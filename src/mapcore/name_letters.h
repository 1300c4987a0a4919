#pragma once

#include <string>

namespace vendrel {

// A counter value written in lower-case letters, a for 1 and z for 26, most significant
// letter first, with no zero digit: 27 is aa, 52 az, 53 ba, 703 aaa. Every positive value
// gets a name of its own. Values below 1 give the empty text.
std::string NtN(long long number);

}  // namespace vendrel
