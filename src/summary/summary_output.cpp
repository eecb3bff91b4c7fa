#include "summary/summary_output.h"

#include "platform/number_text.h"
#include "publish/json_object.h"

#include <algorithm>

namespace orvane {
namespace {

std::string valueText(const std::optional<double>& value) {
  return value ? plainText(static_cast<float>(*value)) : "null";
}

std::optional<double> dcLinkMean(const DayFigures& day) {
  return day.samples > 0 ? std::optional(day.dcLinkSum / static_cast<double>(day.samples)) : std::nullopt;
}

std::string dayJson(const Summary& summary, const DayFigures& day) {
  std::string json = "{\"date\":" + (day.day ? jsonString(day.day->text()) : std::string("null"));
  json += ",\"samples\":" + std::to_string(day.samples);
  json += ",\"missing_samples\":" + std::to_string(day.missingSamples);
  json += ",\"running_hours\":" + plainText(day.runningSeconds / 3600);
  json += ",\"starts\":" + std::to_string(day.starts);
  json += ",\"reversals\":" + std::to_string(day.reversals);
  json += ",\"trips\":[";
  for (const TripSeen& trip : day.trips)
    json += std::string(&trip == day.trips.data() ? "" : ",") +
            "{\"time\":" + jsonString(localClockText(trip.time)) + ",\"text\":" + jsonString(trip.text) + "}";
  json += "],\"peak_current_a\":" + valueText(day.peakCurrent);
  json += ",\"peak_current_time\":" + (day.peakCurrent && summary.clockTimes
                                           ? jsonString(localClockText(day.peakCurrentTime))
                                           : std::string("null"));
  const std::optional<double> mean = dcLinkMean(day);
  json += ",\"dc_link_v\":{\"min\":" + valueText(day.dcLinkMin) +
          ",\"mean\":" + (mean ? plainText(*mean) : std::string("null")) + ",\"max\":" + valueText(day.dcLinkMax) +
          "}";
  json += ",\"above_limits_s\":{";
  for (std::size_t at = 0; at < summary.limits.size(); ++at)
    json += std::string(at == 0 ? "" : ",") + jsonString(summary.limits[at].name) + ":" +
            plainText(at < day.secondsBeyond.size() ? day.secondsBeyond[at] : 0.0);
  json += "},\"link\":";
  if (!day.link)
    return json + "null}";
  return json + "{\"exchanges\":" + std::to_string(day.link->exchanges) +
         ",\"timeouts\":" + std::to_string(day.link->timeouts) +
         ",\"retries\":" + std::to_string(day.link->retries) +
         ",\"late_ticks\":" + std::to_string(day.link->lateTicks) + "}}";
}

// `text` right-aligned in `width` characters.
std::string column(const std::string& text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text + "  ";
}

std::string dayRow(const Summary& summary, const DayFigures& day) {
  const std::optional<double> mean = dcLinkMean(day);
  std::string row =
      column(day.day ? day.day->text() : "total", 10) + column(std::to_string(day.samples), 8) +
      column(std::to_string(day.missingSamples), 8) + column(formatNumber(day.runningSeconds / 3600, 2, true), 9) +
      column(std::to_string(day.starts), 6) + column(std::to_string(day.reversals), 9) +
      column(std::to_string(day.trips.size()), 5) +
      column(day.peakCurrent ? plainText(static_cast<float>(*day.peakCurrent)) : "-", 7) +
      column(day.peakCurrent && summary.clockTimes ? localClockText(day.peakCurrentTime).substr(11) : "-", 8) +
      column(day.dcLinkMin ? plainText(static_cast<float>(*day.dcLinkMin)) + " / " + formatNumber(*mean, 1, true) +
                                 " / " + plainText(static_cast<float>(*day.dcLinkMax))
                           : "-",
             21);
  for (std::size_t at = 0; at < summary.limits.size(); ++at)
    row += column(plainText(at < day.secondsBeyond.size() ? day.secondsBeyond[at] : 0.0),
                  std::max<std::size_t>(summary.limits[at].name.size() + 2, 6));
  while (!row.empty() && row.back() == ' ')
    row.pop_back();
  return row + '\n';
}

} // namespace

std::string summaryJson(const Summary& summary) {
  std::string json = "{\"days\":[";
  for (const DayFigures& day : summary.days)
    json += std::string(&day == summary.days.data() ? "" : ",") + dayJson(summary, day);
  return json + "],\"total\":" + dayJson(summary, summary.total) + "}\n";
}

std::string summaryTable(const Summary& summary) {
  std::string header = column("date", 10) + column("samples", 8) + column("missing", 8) + column("running h", 9) +
                       column("starts", 6) + column("reversals", 9) + column("trips", 5) + column("peak A", 7) +
                       column("at", 8) + column("DC link V min/mean/max", 21);
  for (const Limit& limit : summary.limits)
    header += column(limit.name + " s", std::max<std::size_t>(limit.name.size() + 2, 6));
  while (header.back() == ' ')
    header.pop_back();
  std::string table = header + '\n';
  for (const DayFigures& day : summary.days)
    table += dayRow(summary, day);
  table += dayRow(summary, summary.total);
  if (!summary.total.trips.empty())
    table += "\ntrips:\n";
  for (const TripSeen& trip : summary.total.trips)
    table += "  " + localClockText(trip.time) + "  " + trip.text + '\n';
  if (summary.total.link)
    table += "\nlink:\n";
  for (const DayFigures& day : summary.days)
    if (day.link)
      table += "  " + day.day->text() + "  " + linkHealthText(*day.link) + '\n';
  if (summary.total.link)
    table += "  total       " + linkHealthText(*summary.total.link) + '\n';
  return table;
}

} // namespace orvane
