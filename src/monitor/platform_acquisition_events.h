#pragma once

#include "acquisition/acquisition_events.h"
#include "link/link.h"
#include "monitor/ui_thread.h"

#include <functional>
#include <string>

namespace orvane {

// The window's answers to the drive's conversation: the system beep and the
// communications message, on the user-interface thread, and a line that says
// while the drive is silent and retried.
class PlatformAcquisitionEvents final : public AcquisitionEvents {
public:
  using StatusLine = std::function<void(const std::string& text)>;

  PlatformAcquisitionEvents(Link& link, UiThread& ui) : link_(link), ui_(ui) {}

  // Where "No answer from the drive: retry 2 of 4" goes; an empty text ends it.
  void setStatusLine(StatusLine statusLine) { statusLine_ = std::move(statusLine); }

  void beep() override {
    ui_.run([this] { link_.platform().beeper.beep(); });
  }
  void communicationsError() override {
    ui_.run([this] { link_.showCommunicationsError(); });
  }
  void retrying(int retry, int retries) override {
    show("No answer from the drive: retry " + std::to_string(retry) + " of " + std::to_string(retries));
  }
  void retriesOver() override { show(""); }

private:
  void show(std::string text) {
    if (statusLine_)
      ui_.post([this, text = std::move(text)] { statusLine_(text); });
  }

  Link& link_;
  UiThread& ui_;
  StatusLine statusLine_;
};

} // namespace orvane
