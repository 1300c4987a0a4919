#pragma once

#include <gtest/gtest.h>

#include <QApplication>

namespace vendrel::testing {

// One application for the whole test program, on the platform ctest names (offscreen).
// It is never destroyed: at exit Qt's own statics may already be gone.
inline QApplication& App() {
  static int argc = 1;
  static char name[] = "startup_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// The control of a window by its name; a missing one fails the test.
template <typename Widget>
Widget& Child(const QWidget& window, const char* name) {
  auto* control = window.findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return *control;
}

// Every control with a caption says it to screen readers; every one the user works can
// be reached by the keyboard.
template <typename Widget>
void ExpectReachable(const Widget& control) {
  EXPECT_FALSE(control.accessibleName().isEmpty()) << control.objectName().toStdString();
  EXPECT_NE(control.focusPolicy() & Qt::TabFocus, 0) << control.objectName().toStdString();
}

}  // namespace vendrel::testing
