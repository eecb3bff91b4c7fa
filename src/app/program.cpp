#include "app/program.h"

#include "limits/limits_file.h"
#include "monitor/startup.h"
#include "monitor/ui/splash_window.h"
#include "publish/broker_config_file.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <ctime>

// The images live in the static library; its resources are registered by hand.
static void registerResources() { Q_INIT_RESOURCE(resources); }

namespace orvane {
namespace {

// How long to wait at most for the window system to put a window on screen.
constexpr int kExposeLimitMs = 2000;
// The publisher is asked how it goes this often; a word on it needs no more.
constexpr int kPublishingLookEvery = 1000;
// The link's counts change with every exchange; once a second is enough to read them.
constexpr int kLinkHealthLookEvery = 1000;
// Limit events the tooltip of the limits' state lists.
constexpr std::size_t kLimitEventsShown = 5;

// Ends a wait when the window system has put the window on screen.
class ExposeWatch final : public QObject {
public:
  ExposeWatch(QWindow& window, QEventLoop& loop) : window_(window), loop_(loop) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Expose && window_.isExposed())
      loop_.quit();
    return false;
  }

private:
  QWindow& window_;
  QEventLoop& loop_;
};

// Shows the window and paints it on screen at once. Until the window system
// has exposed it, events other than user input are handled.
void showPainted(QWidget& window) {
  window.show();
  if (QWindow* handle = window.windowHandle(); handle && !handle->isExposed()) {
    QEventLoop loop;
    const ExposeWatch watch(*handle, loop);
    QTimer::singleShot(kExposeLimitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  window.repaint();
  QGuiApplication::sync();
}

} // namespace

Program::Program(Platform& platform, Link& link, Desktop desktop)
    : platform_(platform), link_(link), desktop_(desktop) {
  registerResources();
  windows_.define("Splash", [] { return new SplashWindow; });
}

Program::~Program() = default;

void Program::Main() {
  trend_ = std::make_unique<TrendWindow>(state_, windows_, guard_);
  commands_ = std::make_unique<TrendCommands>(state_, link_, *trend_, windows_, guard_, desktop_);
  showPainted(*trend_);
  showPainted(windows_.load("Splash"));
  waitMoreThan(platform_.clock, kSplashTime);
  windows_.unload("Splash");
  prepareTrendPanels(state_);
  // Loads Options, which reads the settings file, and runs its OK action unseen.
  commands_->options().applyStoredSettings();
  publishing_ = std::make_unique<WindowPublishing>(brokerConfigPath(), commands_->session(), platform_.messages);
  showPublishing();
  limits_ = std::make_unique<WindowLimits>(windowLimitsPath(), commands_->session(), publishing_->consumer(),
                                           platform_.messages,
                                           [this](const std::vector<LimitEvent>& events) { limitsHeard(events); });
  if (limits_->watching())
    limitsHeard({});
  showLinkHealth();
}

void Program::limitsHeard(const std::vector<LimitEvent>& events) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char time[16];
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  for (const LimitEvent& event : events) {
    publishing_->publishEvent(event.kind == LimitEvent::Kind::Raised ? SessionEvent::Kind::limit
                                                                     : SessionEvent::Kind::limitCleared,
                              event.text);
    limitEvents_.push_front(std::string(time) + " " + limitEventName(event.kind) + ": " + event.text);
    if (limitEvents_.size() > kLimitEventsShown)
      limitEvents_.pop_back();
  }
  const std::vector<std::string> raised = limits_->watch().raisedNames();
  std::string text = raised.empty() ? "Limits: within" : "Limit: ";
  for (std::size_t at = 0; at < raised.size(); ++at)
    text += (at == 0 ? "" : ", ") + raised[at];
  std::string detail =
      "Limits watched: " + std::to_string(limits_->watch().limits().size()) + ", from " + windowLimitsPath();
  for (const std::string& line : limitEvents_)
    detail += "\n" + line;
  trend_->showLimits(text, detail);
}

void Program::showPublishing() {
  if (!publishing_->publishing())
    return;
  const auto show = [this] {
    if (const std::optional<PublisherSummary> summary = publishing_->summary())
      trend_->showPublishing(summary->text, summary->detail);
  };
  show();
  auto* timer = new QTimer(trend_.get());
  QObject::connect(timer, &QTimer::timeout, trend_.get(), show);
  timer->start(kPublishingLookEvery);
}

// The counts are atomics of the link and the guard's own: nothing here waits on the link's thread.
// The status published carries them too, at most once a minute.
void Program::showLinkHealth() {
  auto show = [this, last = std::optional<LinkHealth>()]() mutable {
    LinkHealth health = link_.health();
    health.lateTicks = guard_.skipped();
    publishing_->publishLinkHealth(health, platform_.clock.now());
    if (health == last)
      return;
    last = health;
    trend_->showLinkHealth("Link: " + std::to_string(health.exchanges) + " exchanges, " +
                               std::to_string(health.timeouts) + " time-outs",
                           "Since the start: " + linkHealthText(health));
  };
  show();
  auto* timer = new QTimer(trend_.get());
  QObject::connect(timer, &QTimer::timeout, trend_.get(), show);
  timer->start(kLinkHealthLookEvery);
}

} // namespace orvane
