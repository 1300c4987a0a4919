#include "room_value_error.h"

#include "quoted_excerpt.h"

namespace vendrel {

RoomValueError::RoomValueError(std::size_t item, std::string_view key, std::string_view value,
                               std::string_view problem)
    : std::runtime_error("the value " + QuotedExcerpt(value) + " of " + QuotedExcerpt(key) + " " +
                         std::string(problem)),
      item_(item) {}

}  // namespace vendrel
