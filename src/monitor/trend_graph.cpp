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
  bool GraphStore::*trace;
  bool GraphStore::*plotted;
  SampleArray GraphStore::*ys;
};

TrendGraph::TrendGraph(SharedState& state, DrawingSurface& picture1, DrawingSurface& picture3,
                       MessageBoxes& messages, std::function<void(std::int16_t& OK)> failedRead)
    : state_(state), picture1_(picture1), picture3_(picture3), messages_(messages),
      failedRead_(std::move(failedRead)) {}

namespace {

const GraphTrace kFrequencyTrace{Quantity::Frequency,       "speedmenu",
                                 graph::kFrequencyColour,   &GraphStore::speedtrace,
                                 &GraphStore::speedplotted, &GraphStore::speedys};
const GraphTrace kCurrentTrace{Quantity::Current,        "currentmenu",
                               graph::kCurrentColour,    &GraphStore::ampstrace,
                               &GraphStore::ampsplotted, &GraphStore::ampsys};
const GraphTrace kVoltageTrace{Quantity::Voltage,         "DCmenu",
                               graph::kVoltageColour,     &GraphStore::voltstrace,
                               &GraphStore::voltsplotted, &GraphStore::voltsys};

} // namespace

void TrendGraph::Frequency(const TickOutcome& tick, std::int16_t& OK) { plot(kFrequencyTrace, tick, OK); }
void TrendGraph::Current(const TickOutcome& tick, std::int16_t& OK) { plot(kCurrentTrace, tick, OK); }
void TrendGraph::Voltage(const TickOutcome& tick, std::int16_t& OK) { plot(kVoltageTrace, tick, OK); }

GraphKind TrendGraph::kind() const {
  return state_.options.checked("directiongraph") ? GraphKind::Signed : GraphKind::Plain;
}

DrawingSurface& TrendGraph::box() { return kind() == GraphKind::Signed ? picture3_ : picture1_; }

// Whether the tick read the trace's value (and the direction for the signed
// frequency graph); on a failure shows the communications message once more
// and returns false.
bool TrendGraph::sample(const GraphTrace& trace, const Reading& reading, std::int16_t& OK) {
  OK = 0;
  bool failed = false;
  switch (trace.quantity) {
  case Quantity::Frequency:
    failed = frequencyFailed(reading, kind() == GraphKind::Signed);
    break;
  case Quantity::Current:
    failed = currentFailed(reading);
    break;
  case Quantity::Voltage:
    failed = dcLinkFailed(reading);
    break;
  }
  if (failed)
    failedRead_(OK);
  if (OK == 1) {
    messages_.show(MessageIcon::Exclamation, MessageButtons::Ok, kCommunicationsErrorTitle,
                   kCommunicationsErrorText);
    return false;
  }
  return true;
}

std::int16_t TrendGraph::toY(const GraphTrace& trace, const ShownValues& shown) const {
  switch (trace.quantity) {
  case Quantity::Frequency:
    return frequencyY(kind(), state_.drive.speedscale, state_.drive.dirspeedscale, shown.frequency,
                      shown.direction);
  case Quantity::Current:
    return currentY(kind(), state_.drive.inverter, shown.currentPercent);
  case Quantity::Voltage:
    return voltageY(kind(), shown.dcLink);
  }
  return 0;
}

void TrendGraph::show(const GraphTrace& trace, const ShownValues& shown) {
  switch (trace.quantity) {
  case Quantity::Frequency:
    state_.trend.setCaption("displayspeed", plainText(shown.frequency));
    break;
  case Quantity::Current:
    state_.trend.setCaption("displaycurrent", plainText(shown.current));
    break;
  case Quantity::Voltage:
    state_.trend.setCaption("displayvoltage", plainText(shown.dcLink));
    break;
  }
}

void TrendGraph::plot(const GraphTrace& trace, const TickOutcome& tick, std::int16_t& OK) {
  state_.graph.*trace.trace = true;
  if (state_.graph.samplecount >= state_.graph.maxpoints) {
    scroll(trace, tick, OK);
    return;
  }
  if (!state_.options.checked(trace.checkBox))
    return;
  if (!sample(trace, tick.reading, OK))
    return;

  SampleArray& ys = state_.graph.*trace.ys;
  const int n = state_.graph.samplecount;
  // Sample n lies at 570 + n * xstep, whatever a tick that failed half-way
  // left in lastx: the scroll erases along the stored x and redraws
  // at the computed one, so the two must agree or the old trace stays behind.
  const auto x = static_cast<std::int16_t>(graph::kFirstX + n * state_.graph.xstep);
  if (!(state_.graph.*trace.plotted)) {
    const std::int16_t y = toY(trace, tick.shown);
    if (y != 0)
      box().drawLine(graph::kFirstX, y, graph::kFirstX, y, trace.colour);
    state_.graph.graphxs[n] = x;
    ys[n] = y;
    state_.graph.*trace.plotted = true;
    show(trace, tick.shown);
    return;
  }
  show(trace, tick.shown);
  const std::int16_t y = toY(trace, tick.shown);
  if (n > 0 && ys[n - 1] != 0 && y != 0)
    box().drawLine(state_.graph.graphxs[n - 1], ys[n - 1], x, y, trace.colour);
  state_.graph.graphxs[n] = x;
  ys[n] = y;
  state_.graph.lastx = x;
}

void TrendGraph::scroll(const GraphTrace& trace, const TickOutcome& tick, std::int16_t& OK) {
  SampleArray& ys = state_.graph.*trace.ys;
  // The arrays hold 5001 entries: the scroll reads one past the last point.
  const int points = std::min<int>(state_.graph.maxpoints, kSampleSlots - 2);
  DrawingSurface& surface = box();

  // Erase the trace as drawn, along the stored x coordinates.
  if (ys[0] != 0)
    surface.drawLine(state_.graph.graphxs[0], ys[0], state_.graph.graphxs[0], ys[0], surface.background());
  for (int i = 1; i <= points; ++i) {
    if (ys[i - 1] != 0 && ys[i] != 0)
      surface.drawLine(state_.graph.graphxs[i - 1], ys[i - 1], state_.graph.graphxs[i], ys[i],
                       surface.background());
  }

  for (int i = 0; i <= points; ++i)
    ys[i] = ys[i + 1];

  if (!state_.options.checked(trace.checkBox)) {
    ys[points - 1] = 0; // a gap; the display and log keep their values
  } else {
    if (!sample(trace, tick.reading, OK))
      return;
    const std::int16_t y = toY(trace, tick.shown);
    ys[points - 1] = y;
    show(trace, tick.shown);
  }
  state_.graph.samplecount = static_cast<std::int16_t>(points - 1);

  if (ys[0] != 0)
    surface.drawLine(graph::kFirstX, ys[0], graph::kFirstX, ys[0], trace.colour);
  for (int i = 1; i <= points - 1; ++i) {
    const int x = graph::kFirstX + i * state_.graph.xstep;
    if (ys[i - 1] != 0 && ys[i] != 0)
      surface.drawLine(x - state_.graph.xstep, ys[i - 1], x, ys[i], trace.colour);
  }
  state_.graph.samplecount = static_cast<std::int16_t>(points);
}

void TrendGraph::clearscreen_Click() {
  const MessageAnswer answer = messages_.show(MessageIcon::Information, MessageButtons::YesNo, "Clear Screen",
                                              "Are you sure you want to clear the screen?");
  if (answer == MessageAnswer::Yes)
    clearGraph();
}

void TrendGraph::clearKeepingSamples() {
  state_.graph.speedplotted = false;
  state_.graph.ampsplotted = false;
  state_.graph.voltsplotted = false;
  state_.graph.samplecount = 0;
  picture1_.clear();
  picture3_.clear();
  state_.graph.lastx = graph::kFirstX;
  state_.graph.speedtrace = false;
  state_.graph.ampstrace = false;
  state_.graph.voltstrace = false;
}

void TrendGraph::clearGraph() {
  clearKeepingSamples();
  for (int i = 0; i <= state_.graph.maxpoints; ++i) {
    state_.graph.speedys[i] = 0;
    state_.graph.ampsys[i] = 0;
    state_.graph.voltsys[i] = 0;
  }
}

} // namespace orvane
