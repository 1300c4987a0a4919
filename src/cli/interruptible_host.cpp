#include "interruptible_host.h"

namespace vendrel {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnSigint(int) { interrupted = 1; }

}  // namespace

InterruptibleHost::InterruptibleHost(Host& terminal)
    : terminal_(terminal), previous_(std::signal(SIGINT, OnSigint)) {
  interrupted = 0;
}

InterruptibleHost::~InterruptibleHost() { std::signal(SIGINT, previous_); }

bool InterruptibleHost::Interrupted() const { return interrupted != 0; }

void InterruptibleHost::Yield() {
  // One press per Ctrl-C run: the button only sets flags that the stage tests.
  if (interrupted != 0 && !pressed_ && button_) {
    pressed_ = true;
    button_();
  }
  terminal_.Yield();
}

}  // namespace vendrel
