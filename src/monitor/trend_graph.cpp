#include "monitor/trend_graph.h"

#include "link/link.h"
#include "platform/number_text.h"

#include <algorithm>

namespace orvane {

enum class Quantity { Frequency, Current, Voltage };

// What tells the three traces apart.
struct GraphTrace {
  Quantity quantity;
  const char* checkBox;
  Rgb colour;
  std::int16_t SharedState::*trace;
  std::int16_t SharedState::*plotted;
  SampleArray SharedState::*ys;
  std::int16_t SharedState::*latestY;
};

TrendGraph::TrendGraph(SharedState& state, DrawingSurface& picture1, DrawingSurface& picture3,
                       MessageBoxes& messages, TraceReads reads)
    : state_(state), picture1_(picture1), picture3_(picture3), messages_(messages), reads_(std::move(reads)) {}

namespace {

const GraphTrace kFrequencyTrace{
    Quantity::Frequency,        "speedmenu",           graph::kFrequencyColour, &SharedState::speedtrace,
    &SharedState::speedplotted, &SharedState::speedys, &SharedState::speedy};
const GraphTrace kCurrentTrace{
    Quantity::Current,         "currentmenu",        graph::kCurrentColour, &SharedState::ampstrace,
    &SharedState::ampsplotted, &SharedState::ampsys, &SharedState::ampsy};
const GraphTrace kVoltageTrace{Quantity::Voltage,          "DCmenu",
                               graph::kVoltageColour,      &SharedState::voltstrace,
                               &SharedState::voltsplotted, &SharedState::voltsys,
                               &SharedState::voltsy};

} // namespace

void TrendGraph::Frequency(std::int16_t& OK) { plot(kFrequencyTrace, OK); }
void TrendGraph::Current(std::int16_t& OK) { plot(kCurrentTrace, OK); }
void TrendGraph::Voltage(std::int16_t& OK) { plot(kVoltageTrace, OK); }

GraphKind TrendGraph::kind() const {
  return state_.options.checked("directiongraph") ? GraphKind::Signed : GraphKind::Plain;
}

DrawingSurface& TrendGraph::box() { return kind() == GraphKind::Signed ? picture3_ : picture1_; }

// Reads the trace's value (and the direction for the signed frequency graph);
// on a failure shows the communications message once more and returns false.
bool TrendGraph::sample(const GraphTrace& trace, std::int16_t& OK) {
  OK = 0;
  switch (trace.quantity) {
  case Quantity::Frequency:
    reads_.GetSpeed(OK);
    if (OK == 0 && kind() == GraphKind::Signed)
      reads_.Direction(OK);
    break;
  case Quantity::Current:
    reads_.GetAmps(OK);
    break;
  case Quantity::Voltage:
    reads_.GetDCVolts(OK);
    break;
  }
  if (OK == 1) {
    messages_.show(MessageIcon::Exclamation, MessageButtons::Ok, kCommunicationsErrorTitle,
                   kCommunicationsErrorText);
    return false;
  }
  return true;
}

std::int16_t TrendGraph::toY(const GraphTrace& trace) const {
  switch (trace.quantity) {
  case Quantity::Frequency:
    return frequencyY(kind(), state_.speedscale, state_.dirspeedscale, state_.speedvalue, state_.direction);
  case Quantity::Current:
    return currentY(kind(), state_.inverter, state_.ampspct);
  case Quantity::Voltage:
    return voltageY(kind(), state_.dcvoltsvalue);
  }
  return 0;
}

void TrendGraph::showAndLog(const GraphTrace& trace) {
  switch (trace.quantity) {
  case Quantity::Frequency:
    state_.trend.setCaption("displayspeed", plainText(state_.speedvalue));
    state_.logspeed =
        kind() == GraphKind::Signed && state_.direction != "F" ? -state_.speedvalue : state_.speedvalue;
    break;
  case Quantity::Current:
    state_.trend.setCaption("displaycurrent", plainText(state_.ampstext));
    state_.logamps = static_cast<float>(state_.ampstext);
    state_.logampspct = static_cast<float>(state_.ampspct);
    break;
  case Quantity::Voltage:
    state_.trend.setCaption("displayvoltage", plainText(state_.dcvoltsvalue));
    state_.logvolts = static_cast<float>(state_.dcvoltsvalue);
    break;
  }
}

void TrendGraph::plot(const GraphTrace& trace, std::int16_t& OK) {
  state_.*trace.trace = 1;
  if (state_.samplecount >= state_.maxpoints) {
    scroll(trace, OK);
    return;
  }
  if (!state_.options.checked(trace.checkBox))
    return;
  if (!sample(trace, OK))
    return;

  SampleArray& ys = state_.*trace.ys;
  const int n = state_.samplecount;
  // Sample n lies at 570 + n * xstep, whatever a tick that failed half-way
  // left in graphx or lastx: the scroll erases along the stored x and redraws
  // at the computed one, so the two must agree or the old trace stays behind.
  const auto x = static_cast<std::int16_t>(graph::kFirstX + n * state_.xstep);
  if (state_.*trace.plotted == 0) {
    const std::int16_t y = toY(trace);
    state_.*trace.latestY = y;
    if (y != 0)
      box().drawLine(graph::kFirstX, y, graph::kFirstX, y, trace.colour);
    state_.graphxs[n] = x;
    ys[n] = y;
    state_.*trace.plotted += 1;
    showAndLog(trace);
    return;
  }
  showAndLog(trace);
  const std::int16_t y = toY(trace);
  state_.*trace.latestY = y;
  if (n > 0 && ys[n - 1] != 0 && y != 0)
    box().drawLine(state_.graphxs[n - 1], ys[n - 1], x, y, trace.colour);
  state_.graphxs[n] = x;
  ys[n] = y;
  state_.lastx = x;
}

void TrendGraph::scroll(const GraphTrace& trace, std::int16_t& OK) {
  SampleArray& ys = state_.*trace.ys;
  // The arrays hold 5001 entries: the scroll reads one past the last point.
  const int points = std::min<int>(state_.maxpoints, kSampleSlots - 2);
  DrawingSurface& surface = box();

  // Erase the trace as drawn, along the stored x coordinates.
  if (ys[0] != 0)
    surface.drawLine(state_.graphxs[0], ys[0], state_.graphxs[0], ys[0], surface.background());
  for (int i = 1; i <= points; ++i) {
    if (ys[i - 1] != 0 && ys[i] != 0)
      surface.drawLine(state_.graphxs[i - 1], ys[i - 1], state_.graphxs[i], ys[i], surface.background());
  }

  for (int i = 0; i <= points; ++i)
    ys[i] = ys[i + 1];

  if (!state_.options.checked(trace.checkBox)) {
    ys[points - 1] = 0; // a gap; the display and log keep their values
  } else {
    if (!sample(trace, OK))
      return;
    const std::int16_t y = toY(trace);
    state_.*trace.latestY = y;
    ys[points - 1] = y;
    showAndLog(trace);
  }
  state_.samplecount = static_cast<std::int16_t>(points - 1);

  state_.scrollcount = 1;
  if (ys[0] != 0)
    surface.drawLine(graph::kFirstX, ys[0], graph::kFirstX, ys[0], trace.colour);
  for (int i = 1; i <= points - 1; ++i) {
    const int x = graph::kFirstX + i * state_.xstep;
    if (ys[i - 1] != 0 && ys[i] != 0)
      surface.drawLine(x - state_.xstep, ys[i - 1], x, ys[i], trace.colour);
  }
  state_.scrollcount = 0;
  state_.samplecount = static_cast<std::int16_t>(points);
}

void TrendGraph::clearscreen_Click() {
  const MessageAnswer answer = messages_.show(MessageIcon::Information, MessageButtons::YesNo, "Clear Screen",
                                              "Are you sure you want to clear the screen?");
  if (answer == MessageAnswer::Yes)
    clearGraph();
}

void TrendGraph::clearKeepingSamples() {
  state_.speedplotted = 0;
  state_.ampsplotted = 0;
  state_.voltsplotted = 0;
  state_.samplecount = 0;
  state_.scrollcount = 0;
  picture1_.clear();
  picture3_.clear();
  state_.lastx = graph::kFirstX;
  state_.speedtrace = 0;
  state_.ampstrace = 0;
  state_.voltstrace = 0;
}

void TrendGraph::clearGraph() {
  clearKeepingSamples();
  for (int i = 0; i <= state_.maxpoints; ++i) {
    state_.speedys[i] = 0;
    state_.ampsys[i] = 0;
    state_.voltsys[i] = 0;
  }
}

} // namespace orvane
