#include "room_table.h"

#include <cmath>

#include "number_text.h"

namespace vendrel {

RoomCell RoomCell::FromItem(std::string_view item) {
  RoomCell cell{std::string(item), std::nullopt};
  cell.number = item.empty() ? std::optional<double>(0.0) : ParseNumber(item);
  return cell;
}

std::optional<long long> RoomCell::Whole() const {
  if (!number || std::trunc(*number) != *number || std::fabs(*number) > 1e15) return std::nullopt;
  return static_cast<long long>(*number);
}

std::array<RoomConnector, 4> RoomRow::Connectors() const {
  std::array<RoomConnector, 4> connectors;
  for (int d = 0; d < 4; ++d) {
    RoomConnector& connector = connectors[static_cast<std::size_t>(d)];
    connector.x = (*this)[ConnectorColumn(d, 0)].text;
    connector.y = (*this)[ConnectorColumn(d, 1)].text;
    connector.z = (*this)[ConnectorColumn(d, 2)].text;
    const RoomCell& size = (*this)[ConnectorColumn(d, 3)];
    connector.present =
        !connector.x.empty() || !connector.y.empty() || !connector.z.empty() || !size.text.empty();
    const auto whole = size.Whole();
    connector.size = whole && *whole >= 0 && *whole <= 255 ? static_cast<int>(*whole) : -1;
  }
  return connectors;
}

}  // namespace vendrel
