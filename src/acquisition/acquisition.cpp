#include "acquisition/acquisition.h"

#include "link/models.h"
#include "link/panel_exchanges.h"
#include "link/rated_current.h"
#include "platform/number_text.h"

#include <string_view>

namespace orvane {
namespace {

constexpr std::uint16_t kModelCodeAddress = 0x03F4;
constexpr float kProfiCode = 1;
constexpr float kMk410Code = 0;

// Forward steps from the panel reset to the first reading, and from there to
// the second: where the two probed models show a telling text.
constexpr int kStepsToFirstReading = 6;
constexpr int kStepsToSecondReading = 8;
constexpr std::string_view kCompactMark = "/Hz";
constexpr std::string_view kVectorMark = "ADJ-O";

constexpr int kDisplayRetries = 4;
constexpr Clock::Duration kRetryPause = std::chrono::seconds(2);
constexpr Clock::Duration kResetWait = std::chrono::seconds(2);

} // namespace

LinkFailure Acquisition::timedOut() {
  if (!link_.stopping())
    events_.beep();
  return LinkFailure::ExchangeTimedOut;
}

LinkResult<double> Acquisition::read(const Register& where) {
  return link_.read(where.address, where.length, where.divisor);
}

LinkResult<float> Acquisition::readSingle(const Register& where) {
  const LinkResult<double> value = read(where);
  if (!value)
    return value.failure();
  const auto single = static_cast<float>(*value);
  if (readFailed(single))
    return LinkFailure::FailureValue;
  return single;
}

LinkResult<std::string> Acquisition::identify() {
  link_.openIfClosed();
  const LinkResult<float> code = readSingle({kModelCodeAddress, 1, 1});
  if (!code)
    return code.failure();
  if (*code == kProfiCode)
    return std::string(model::kProfi);
  if (*code == kMk410Code)
    return std::string(model::kMk410);
  return probeDisplay();
}

LinkResult<std::string> Acquisition::probeDisplay() {
  PanelExchanges panel(link_);
  if (!panel.resetPanel() || !stepPanel(kStepsToFirstReading))
    return timedOut();
  std::string found = model::kUnknown;
  const std::optional<std::string> firstText = panel.displayText();
  if (!firstText)
    return timedOut();
  if (firstText->starts_with(kCompactMark))
    found = model::kSingleCompact;
  if (!stepPanel(kStepsToSecondReading))
    return timedOut();
  const std::optional<std::string> secondText = panel.displayText();
  if (!secondText)
    return timedOut();
  if (secondText->starts_with(kVectorMark))
    found = model::kVector;
  return found;
}

bool Acquisition::stepPanel(int count) {
  PanelExchanges panel(link_);
  for (int step = 0; step < count; ++step)
    if (!panel.stepPanelForward())
      return false;
  return true;
}

LinkResult<float> Acquisition::readMaxSpeed(const std::string& model) {
  link_.openIfClosed();
  const LiveValueRegisters* registers = liveValueRegistersFor(model);
  if (!registers)
    return LinkFailure::FailureValue;
  return readSingle(registers->maxSpeed);
}

LinkResult<std::int16_t> Acquisition::readVoltCode(const std::string& model) {
  const LiveValueRegisters* registers = liveValueRegistersFor(model);
  if (!registers)
    return LinkFailure::FailureValue;
  const LinkResult<double> value = read(registers->voltCode);
  if (!value)
    return value.failure();
  std::int16_t code = roundToInt16(*value);
  if (readFailed(code))
    return LinkFailure::FailureValue;
  // The six-trip models store the class as 0 (lower) or 1 (higher).
  if (isSixTripModel(model)) {
    if (code == 1)
      code = 2;
    else if (code == 0)
      code = 1;
  }
  return code;
}

bool Acquisition::writeStartOfMonitoring(const std::string& model) {
  Bytes payload;
  if (model == model::kSingleCompact)
    payload = {0x02, 0x16, 0xFA, 0xF8, 0x0C};
  else if (model == model::kVector)
    payload = {0x02, 0xE8, 0xF9, 0xFB, 0xCC};
  else
    return true;
  link_.openIfClosed();
  if (link_.exchange(commandFrame(command::kWriteAtAddress, 5), dataFrame(payload), 2))
    return true;
  timedOut();
  return false;
}

LinkResult<std::optional<std::string>> Acquisition::readDisplayOnce(const std::string& model) {
  PanelExchanges panel(link_);
  link_.openIfClosed();
  std::optional<std::string> text;
  if (isThreeTripModel(model)) {
    text = panel.displayText();
    if (!text)
      return timedOut();
  } else if (isSixTripModel(model)) {
    const std::optional<Bytes> block = panel.panelBlock();
    if (!block) {
      const LinkFailure failure = timedOut();
      if (!link_.stopping())
        events_.communicationsError();
      return failure;
    }
    text = textOfPanelBlock(*block);
  }
  return text;
}

LinkResult<std::optional<std::string>> Acquisition::readDisplay(const std::string& model) {
  LinkResult<std::optional<std::string>> text = readDisplayOnce(model);
  bool retried = false;
  for (int retry = 1; retry <= kDisplayRetries && !text && !link_.stopping(); ++retry) {
    events_.beep();
    events_.retrying(retry, kDisplayRetries);
    retried = true;
    if (!link_.pauseBeforeRetry(kRetryPause))
      break;
    text = readDisplayOnce(model);
  }
  if (retried && !link_.stopping())
    events_.retriesOver();
  return text;
}

Reading Acquisition::tick(const TickPlan& plan) {
  Reading reading;
  const LinkResult<std::optional<std::string>> display = readDisplay(plan.model);
  if (!display) {
    reading.failure = Reading::Failure{Reading::Step::Display, display.failure()};
    return reading;
  }
  reading.displayText = *display;
  reading.tripped = reading.displayText && reading.displayText->starts_with("ERR");
  if (reading.tripped)
    return reading;
  if (const LiveValueRegisters* registers = liveValueRegistersFor(plan.model))
    readInto(reading, plan, *registers);
  return reading;
}

void Acquisition::readInto(Reading& reading, const TickPlan& plan, const LiveValueRegisters& registers) {
  const auto fail = [&reading](Reading::Step step, LinkFailure why) {
    reading.failure = Reading::Failure{step, why};
  };
  if (plan.frequency) {
    link_.discardInput();
    const LinkResult<float> speed = readSingle(registers.speed);
    if (!speed)
      return fail(Reading::Step::Frequency, speed.failure());
    reading.frequency = *speed;
    if (plan.frequencyDirection) {
      const LinkResult<float> runState = readSingle(registers.runState);
      if (!runState)
        return fail(Reading::Step::FrequencyDirection, runState.failure());
      reading.frequencyRunState = *runState;
    }
  }
  if (plan.current) {
    const LinkResult<double> current = read(registers.current);
    if (!current)
      return fail(Reading::Step::Current, current.failure());
    reading.current = *current;
    // The percent register where the model has one; otherwise from the rated current of the
    // drive's size, which a size without one leaves unknown.
    if (registers.currentPercent) {
      const LinkResult<double> percent = read(*registers.currentPercent);
      if (!percent)
        return fail(Reading::Step::Current, percent.failure());
      reading.currentPercent = *percent;
    } else {
      const LinkResult<std::optional<float>> rated = readRatedCurrent();
      if (!rated)
        return fail(Reading::Step::Current, rated.failure());
      reading.ratedCurrent = *rated;
      if (*rated)
        reading.currentPercent = *current / static_cast<double>(**rated) * 100;
    }
  }
  if (plan.dcLink) {
    link_.openIfClosed();
    const LinkResult<double> volts = read(registers.dcLink);
    if (!volts)
      return fail(Reading::Step::DcLink, volts.failure());
    // The ">Talvik< Q7" single/compact and vector drives count the DC link in
    // units of their voltage class.
    reading.dcLink = isThreeTripModel(plan.model) ? *volts * plan.voltCode : *volts;
  }
  const auto readWord = [&](const Register& where, Reading::Step step) -> std::optional<float> {
    const LinkResult<float> word = readSingle(where);
    if (!word) {
      fail(step, word.failure());
      return std::nullopt;
    }
    return *word;
  };
  if (plan.runState && !(reading.runState = readWord(registers.runState, Reading::Step::RunState)))
    return;
  if (plan.inputs) {
    const std::optional<float> word = readWord(registers.inputs, Reading::Step::Inputs);
    if (!word)
      return;
    reading.inputs = static_cast<int>(roundHalfEven(*word));
  }
  if (plan.outputs) {
    const std::optional<float> word = readWord(registers.outputs, Reading::Step::Outputs);
    if (!word)
      return;
    reading.outputs = static_cast<int>(roundHalfEven(*word));
  }
}

LinkResult<std::optional<float>> Acquisition::readRatedCurrent() {
  const LinkResult<double> range = read(kRangeByte);
  if (!range)
    return range.failure();
  const LinkResult<double> size = read(kSizeCode);
  if (!size)
    return size.failure();
  const LinkResult<double> voltageClass = read(kVoltageClassByte);
  if (!voltageClass)
    return voltageClass.failure();
  return ratedCurrent(static_cast<int>(*range), static_cast<int>(*voltageClass), static_cast<int>(*size));
}

bool Acquisition::sendReset(const std::string& model) {
  link_.openIfClosed();
  if (PanelExchanges(link_).resetWrite(model))
    return true;
  timedOut();
  return false;
}

bool Acquisition::waitAfterReset() { return link_.pause(kResetWait); }

} // namespace orvane
