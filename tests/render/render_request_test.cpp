#include "render/render_request.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace orvane {
namespace {

std::vector<std::string_view> words(std::initializer_list<std::string_view> list) { return list; }

// Each argument list with what it must give: the request's fields, or a
// fragment of the reason it is refused.
TEST(RenderArguments, areReadIntoARequestOrRefusedWithTheirReason) {
  struct Case {
    std::vector<std::string_view> arguments;
    std::string refusal; // empty: accepted
  };
  const Case cases[] = {
      {words({"--render", "a.CSV", "--png", "a.png"}), ""},
      {words({"--render", "a.CSV", "--pdf", "a.pdf", "--size", "800x600", "--session", "2"}), ""},
      {words({"--render", "a.CSV", "--png", "a.png", "--from", "1:02:03.5", "--to", "7200"}), ""},
      {words({"--render", "a.CSV", "--png", "a.png", "--from", "2026-12-06T22:30"}), ""},
      {words({"--render", "a.CSV", "--png", "a.png", "--to", "2026-12-06 22:30:15"}), ""},
      {words({"--render", "logs", "--no-events", "--png", "a.png", "--no-events"}), ""},
      {words({"--render"}), "needs the session log"},
      {words({"--render", "a.CSV"}), "--png OUT or --pdf OUT"},
      {words({"--render", "a.CSV", "--png"}), "--png needs a value"},
      {words({"--render", "a.CSV", "--png", "a.png", "--pdf", "a.pdf"}), "only one of --png and --pdf"},
      {words({"--render", "a.CSV", "--png", ""}), "may not be empty"},
      {words({"--render", "a.CSV", "--png", "a.png", "--size", "800"}), "--size takes WxH"},
      {words({"--render", "a.CSV", "--png", "a.png", "--size", "8x600"}), "--size takes WxH"},
      {words({"--render", "a.CSV", "--png", "a.png", "--size", "800x99999"}), "--size takes WxH"},
      {words({"--render", "a.CSV", "--png", "a.png", "--size", "-800x600"}), "--size takes WxH"},
      {words({"--render", "a.CSV", "--png", "a.png", "--session", "0"}), "--session takes a number from 1"},
      {words({"--render", "a.CSV", "--png", "a.png", "--session", "two"}), "--session takes a number from 1"},
      {words({"--render", "a.CSV", "--png", "a.png", "--from", "-5"}), "--from takes seconds"},
      {words({"--render", "a.CSV", "--png", "a.png", "--from", "1:2:3"}), "--from takes seconds"},
      {words({"--render", "a.CSV", "--png", "a.png", "--to", "0:60:00"}), "--to takes seconds"},
      {words({"--render", "a.CSV", "--png", "a.png", "--to", "2026-13-06T22:30"}), "--to takes seconds"},
      {words({"--render", "a.CSV", "--png", "a.png", "--to", "nan"}), "--to takes seconds"},
      {words({"--render", "a.CSV", "--png", "a.png", "--colour", "red"}), "unknown option --colour"},
  };
  for (const Case& test : cases) {
    const ParsedRender parsed = parseRenderArguments(test.arguments);
    SCOPED_TRACE(test.arguments.back());
    EXPECT_EQ(parsed.request.has_value(), test.refusal.empty()) << parsed.error;
    EXPECT_NE(parsed.error.find(test.refusal), std::string::npos) << parsed.error;
  }

  const RenderRequest pdf = *parseRenderArguments(cases[1].arguments).request;
  EXPECT_EQ(pdf.format, RenderRequest::Format::Pdf);
  EXPECT_EQ(pdf.picture, "a.pdf");
  EXPECT_EQ(pdf.width * 10000 + pdf.height, 800 * 10000 + 600);
  EXPECT_EQ(pdf.session, 2u);
  const RenderRequest png = *parseRenderArguments(cases[0].arguments).request;
  EXPECT_EQ(png.format, RenderRequest::Format::Png);
  EXPECT_EQ(png.width * 10000 + png.height, 1600 * 10000 + 900);
  EXPECT_FALSE(png.session || png.from || png.to);
  const RenderRequest times = *parseRenderArguments(cases[2].arguments).request;
  EXPECT_EQ(std::get<double>(*times.from), 3723.5);
  EXPECT_EQ(std::get<double>(*times.to), 7200);
  EXPECT_EQ(std::get<ClockTime>(*parseRenderArguments(cases[4].arguments).request->to),
            (ClockTime{2026, 12, 6, 22, 30, 15}));
}

TEST(RenderArguments, theLoggersFileNameGivesItsStartAndNoOtherNameDoes) {
  EXPECT_EQ(loggerFileStart("/var/log/drive/Trend-2026-12-06_22-00-05.CSV"), (ClockTime{2026, 12, 6, 22, 0, 5}));
  EXPECT_EQ(loggerFileStart("Trend-2026-12-06_22-00-05.csv"), (ClockTime{2026, 12, 6, 22, 0, 5}));
  for (const char* other : {"Trend.CSV", "Trend-2026-02-30_22-00-05.CSV", "Trend-2026-12-06_25-00-05.CSV",
                            "Trend-2026-12-06T22-00-05.CSV", "/tmp/Trend-2026-12-06_22-00-05.CSV.bak"})
    EXPECT_FALSE(loggerFileStart(other)) << other;
}

// Clock times count from the file's start, in the local time zone (here UTC),
// across midnight; they need a logger's file and its first session.
TEST(RenderArguments, clockTimesBecomeSecondsFromTheFilesStart) {
  setenv("TZ", "UTC", 1);
  tzset();
  const ClockTime start{2026, 12, 6, 22, 0, 5};
  const auto rangeOf = [&](std::initializer_list<std::string_view> limits, std::optional<ClockTime> fileStart,
                           bool first = true) {
    std::vector<std::string_view> arguments{"--render", "a.CSV", "--png", "a.png"};
    arguments.insert(arguments.end(), limits);
    return sessionRange(*parseRenderArguments(arguments).request, fileStart, first);
  };
  const SessionRange night = rangeOf({"--from", "2026-12-06T23:00", "--to", "2026-12-07 01:30:05"}, start);
  EXPECT_EQ(night.from, 3600 - 5);
  EXPECT_EQ(night.to, 3.5 * 3600);
  EXPECT_TRUE(night.error.empty());
  const SessionRange mixed = rangeOf({"--from", "600", "--to", "2026-12-06T22:30"}, start);
  EXPECT_EQ(mixed.from, 600);
  EXPECT_EQ(mixed.to, 1800 - 5);

  EXPECT_NE(rangeOf({"--from", "2026-12-06T23:00"}, std::nullopt).error.find("Trend-YYYY"), std::string::npos);
  EXPECT_NE(rangeOf({"--from", "2026-12-06T23:00"}, start, false).error.find("first session"), std::string::npos);
  EXPECT_NE(rangeOf({"--from", "90", "--to", "0:01:30"}, start).error.find("after --from"), std::string::npos);
  EXPECT_TRUE(rangeOf({"--from", "90"}, std::nullopt).error.empty());
}

} // namespace
} // namespace orvane
