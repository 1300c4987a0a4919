#pragma once

#include <QColor>

namespace vendrel::preview {

// The colours every picture shares; markers and rooms keep their own.
inline const QColor kBackground(28, 30, 36);
inline const QColor kInk(235, 235, 240);
inline const QColor kOutline(12, 12, 16);
// Doorways of a level and connectors of a room: where one room opens onto the next.
inline const QColor kPassage(255, 245, 200);

}  // namespace vendrel::preview
