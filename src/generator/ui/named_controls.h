#pragma once

#include <QGroupBox>
#include <QPushButton>

namespace vendrel::generator_ui {

// Controls named as the handlers know them, with their caption as the accessible name.
QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent);
QGroupBox* NamedFrame(const char* name, const QString& caption, QWidget* parent);

}  // namespace vendrel::generator_ui
