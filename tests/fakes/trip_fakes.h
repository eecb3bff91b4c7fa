#pragma once

#include "platform/file_dialogs.h"
#include "trips/trip_history_view.h"
#include "trips/trip_page_output.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

// Records every window shown; `whileShown` runs as the user would act while
// the window is open ("&Print" is the given function).
class RecordingTripView final : public TripHistoryView {
public:
  void showModal(const TripHistoryForm& window, const std::function<void()>& print) override {
    shown.push_back(window);
    if (whileShown)
      whileShown(print);
  }

  std::vector<TripHistoryForm> shown;
  std::function<void(const std::function<void()>& print)> whileShown;
};

// A printer that may or may not be there, and a PDF writer that may fail.
class RecordingPageOutput final : public TripPageOutput {
public:
  bool hasDefaultPrinter() override { return printerAvailable; }
  void printOnDefaultPrinter(const TripPrintPage& page) override { printed.push_back(page); }
  bool saveAsPdf(const TripPrintPage&, const std::string& path) override {
    saved.push_back(path);
    return pdfWritable;
  }

  bool printerAvailable = true;
  bool pdfWritable = true;
  std::vector<TripPrintPage> printed;
  std::vector<std::string> saved; // the PDF files' paths
};

// Answers the save dialog from a script; cancels when the script is empty.
class ScriptedSaveDialog final : public FileDialogs {
public:
  std::string saveFileName(const SaveDialog& dialog) override {
    asked.push_back(dialog.title + " / " + dialog.suggestedName);
    if (answers.empty())
      return {};
    const std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<std::string> answers;
  std::vector<std::string> asked;
};

} // namespace orvane::testing
