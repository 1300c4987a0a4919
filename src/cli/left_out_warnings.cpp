#include "left_out_warnings.h"

#include <unistd.h>

#include <iostream>

namespace vendrel::cli {

void PrintLeftOutRooms(const RoomTable& table) {
  if (table.leftOut.empty()) return;
  // The scan's progress bar stands on the terminal's last line.
  if (isatty(STDERR_FILENO) != 0) std::cerr << "\n";
  for (const LeftOutRoom& room : table.leftOut)
    std::cerr << "warning: " << LeftOutRoomLine(room) << "\n";
}

}  // namespace vendrel::cli
