#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vendrel {

// A value in the room text that an operation must compute with cannot be used. Carries
// the value's position in the room text so the caller can name the room file's line.
class RoomValueError : public std::runtime_error {
 public:
  RoomValueError(std::size_t item, std::string_view key, std::string_view value,
                 std::string_view problem);
  std::size_t Item() const { return item_; }

 private:
  std::size_t item_;
};

}  // namespace vendrel
