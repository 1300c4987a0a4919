#pragma once

#include <string>
#include <string_view>

namespace vendrel {

// Text from a file as a message quotes it: in double quotes, and cut short when it is
// long, so that a broken file (a 10 MB line) never makes a message longer than a line.
std::string QuotedExcerpt(std::string_view text);

}  // namespace vendrel
