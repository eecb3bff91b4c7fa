#include "monitor/graph_scale.h"

#include "state/graph_coordinates.h"

namespace orvane {
namespace {

// Each label's colour ties it to its trace: frequency red, current green,
// DC link blue; black for the axes' own captions.
constexpr Rgb kFrequency = graph::kFrequencyColour;
constexpr Rgb kCurrent = graph::kCurrentColour;
constexpr Rgb kDcLink = graph::kVoltageColour;
constexpr Rgb kBlack{0, 0, 0};

} // namespace

const GraphScale& plainGraphScale() {
  static const GraphScale scale{{
                                    {570, 255, 570, 5085},   // y axis
                                    {480, 4995, 7200, 4995}, // time axis
                                    {480, 255, 570, 255},    // top tick
                                    {480, 2625, 570, 2625},  // middle tick
                                    {6980, 4995, 6980, 5085} // end of the time span
                                },
                                {
                                    {"", "200%", kCurrent, 0, 0},
                                    {"", "100%", kFrequency, 0, 185},
                                    {"", "800V", kDcLink, 0, 360},
                                    {"", "100%", kCurrent, 0, 2325},
                                    {"", "50%", kFrequency, 100, 2520},
                                    {"", "400V", kDcLink, 0, 2715},
                                    {"", "0%", kBlack, 210, 4910},
                                    {"", "0", kBlack, 520, 5110},
                                    {"", "Time (minutes)", kBlack, 3720, 5085},
                                    {"Label32", "", kBlack, 6600, 5110},
                                }};
  return scale;
}

const GraphScale& signedGraphScale() {
  static const GraphScale scale{{
                                    {570, 255, 570, 4995},   // y axis
                                    {480, 2625, 7200, 2625}, // time axis through the middle
                                    {480, 255, 570, 255},    // ticks: top, upper half, lower half, bottom
                                    {480, 1440, 570, 1440},
                                    {480, 3810, 570, 3810},
                                    {480, 4995, 570, 4995},
                                    {6980, 2580, 6980, 2670} // end of the time span
                                },
                                {
                                    {"", "200%", kCurrent, 0, 0},
                                    {"", "100%", kFrequency, 0, 175},
                                    {"", "800V", kDcLink, 0, 360},
                                    {"", "100%", kCurrent, 0, 1150},
                                    {"", "50%", kFrequency, 100, 1345},
                                    {"", "400V", kDcLink, 0, 1550},
                                    {"", "0%", kBlack, 200, 2520},
                                    {"", "50%", kFrequency, 100, 3715},
                                    {"", "100%", kFrequency, 0, 4910},
                                    {"", "Time (minutes)", kBlack, 7320, 2400},
                                    {"Label33", "", kBlack, 6600, 2760},
                                }};
  return scale;
}

} // namespace orvane
