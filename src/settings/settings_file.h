#pragma once

#include "state/shared_state.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// The applied settings kept in ta.ini, in the order of its eleven lines.
inline constexpr std::array<std::int16_t AppliedSettings::*, 11> kStoredSettings{
    &AppliedSettings::port2on,    &AppliedSettings::speedon,     &AppliedSettings::currenton,
    &AppliedSettings::dcon,       &AppliedSettings::directionon, &AppliedSettings::runningon,
    &AppliedSettings::inputon,    &AppliedSettings::outputon,    &AppliedSettings::directiongraphon,
    &AppliedSettings::samplerate, &AppliedSettings::graphscale};

// What a missing or damaged file is replaced with, in the same order.
inline constexpr std::array<std::int16_t, 11> kDefaultSettings{0, 1, 0, 0, 0, 0, 0, 0, 0, 5, 1};

// ${XDG_CONFIG_HOME:-$HOME/.config}/orvane-trend/ta.ini, worked out afresh at every call so that a
// changed environment takes effect. With neither variable set the directory is "/orvane-trend".
std::string settingsPath();

// Reads the eleven numbers straight into the settings, in file order: one whole number per line,
// blanks around it ignored, within the signed 16-bit range; lines after the eleventh are ignored.
// Returns false when the file cannot be read or a line breaks the rule; the settings read before
// that line keep the file's values, the others are left as they were.
bool readSettingsFile(AppliedSettings& settings);

// Rewrites the file with the applied settings, each as " 5 " (sign blank, digits, blank) and CR LF.
// Creates the directory when it is missing. Throws std::system_error carrying the errno.
void writeSettingsFile(const AppliedSettings& settings);

// Rewrites the file with the defaults as bare digits ("0", "1", … "5", "1"), CR LF line ends.
// Creates the directory when it is missing. Throws std::system_error carrying the errno.
void writeDefaultSettingsFile();

} // namespace orvane
