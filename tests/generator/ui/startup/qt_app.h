#pragma once

#include <QApplication>

namespace vendrel::testing {

// One application for the whole test program, on the platform ctest names (offscreen).
inline QApplication& App() {
  static int argc = 1;
  static char name[] = "startup_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// Every control with a caption says it to screen readers; every one the user works can
// be reached by the keyboard.
template <typename Widget>
void ExpectReachable(const Widget& control) {
  EXPECT_FALSE(control.accessibleName().isEmpty()) << control.objectName().toStdString();
  EXPECT_NE(control.focusPolicy() & Qt::TabFocus, 0) << control.objectName().toStdString();
}

}  // namespace vendrel::testing
