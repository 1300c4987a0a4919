#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

namespace vendrel::startup {

// The splash: shown by the main window's first load, it hands over after 2500 ms.
class Logo final : public QWidget {
 public:
  explicit Logo(QWidget* parent = nullptr);

  static constexpr int kSplashMilliseconds = 2500;

  // The timer ran out and the splash hid: show the main window and run GlobalInitiate.
  std::function<void()> onTimer;
  // Closing the splash: the main window's unload.
  std::function<void()> onUnload;

  void Timer1_Timer();
  const QTimer& Timer1() const { return timer1_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QTimer timer1_;
};

}  // namespace vendrel::startup
