#pragma once

#include <string>
#include <string_view>

namespace vendrel {

// What is wrong with an item that holds a control byte (codes below 32 and 127), or
// empty when it holds none. Such a byte in map text means a binary file or broken line
// ends, and printed into a level it breaks the level's rows.
std::string ControlByteProblem(std::string_view item);

// The same for a double quote, which can stand inside an unquoted item but, printed into
// a key or value row, would end its quoting early.
std::string DoubleQuoteProblem(std::string_view item);

// Either problem, the control byte first; one pass over an item that has neither.
std::string ItemByteProblem(std::string_view item);

}  // namespace vendrel
