#include "output/value_on_graph.h"

#include "platform/number_text.h"

namespace orvane {
namespace {

// Units per % and per V at which the values are read back: the top of the
// box is 200 % and 800 V, whatever scale the model's current was plotted at.
constexpr double kPlainCurrentScale = 23.75;
constexpr double kPlainVoltageScale = 5.9375;
constexpr double kSignedCurrentScale = 11.875;
constexpr double kSignedVoltageScale = 2.96875;

std::string hertz(float value) { return formatNumber(value, 1, true) + "Hz"; }
std::string percent(double value) { return formatNumber(value, 2, true) + "%"; }
std::string volts(double value) { return formatNumber(value, 0, true) + "V"; }

std::string frequencyText(const SharedState& state, GraphKind box, int fy) {
  if (box == GraphKind::Plain)
    return hertz(static_cast<float>(graph::kFullHeight - (fy - graph::kTop)) / state.drive.speedscale);
  if (fy == graph::kSignedAxis)
    return "0Hz";
  // Reverse lies as far below the axis as forward lies above it.
  const int distance = fy < graph::kSignedAxis ? graph::kSignedAxis - fy : fy - graph::kSignedAxis;
  return hertz(static_cast<float>(distance) / state.drive.dirspeedscale);
}

std::string currentText(GraphKind box, int ay) {
  if (box == GraphKind::Plain)
    return percent((graph::kFullHeight - (ay - graph::kTop)) / kPlainCurrentScale);
  return percent((graph::kHalfHeight - (ay - graph::kTop)) / kSignedCurrentScale);
}

std::string voltageText(GraphKind box, int vy) {
  if (box == GraphKind::Plain)
    return volts((graph::kFullHeight - (vy - graph::kTop)) / kPlainVoltageScale);
  return volts((graph::kHalfHeight - (vy - graph::kTop)) / kSignedVoltageScale);
}

} // namespace

std::optional<ReadingTexts> readingAt(const SharedState& state, GraphKind box, float x) {
  if (!state.valuemode || x < graph::kFirstX || state.graph.xstep <= 0)
    return std::nullopt;
  const auto index = static_cast<long>(roundHalfEven(x - graph::kFirstX)) / state.graph.xstep;
  if (index >= kSampleSlots)
    return std::nullopt;

  const int fy = state.graph.speedys[index];
  const int ay = state.graph.ampsys[index];
  const int vy = state.graph.voltsys[index];
  return ReadingTexts{fy == 0 ? kNotMonitored : frequencyText(state, box, fy),
                      ay == 0 ? kNotMonitored : currentText(box, ay),
                      vy == 0 ? kNotMonitored : voltageText(box, vy)};
}

} // namespace orvane
