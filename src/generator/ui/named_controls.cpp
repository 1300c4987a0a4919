#include "named_controls.h"

namespace vendrel::generator_ui {

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(caption);
  return button;
}

QGroupBox* NamedFrame(const char* name, const QString& caption, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  frame->setAccessibleName(caption);
  return frame;
}

}  // namespace vendrel::generator_ui
