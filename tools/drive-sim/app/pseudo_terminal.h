#pragma once

#include <string>

namespace orvane::sim {

// A pseudo-terminal whose slave side is a raw serial line for the host. It
// keeps a slave descriptor of its own open, so that the master sees no
// hang-up while the host closes and reopens the line. With a link path it
// also makes a symlink to the slave, removed again on destruction.
class PseudoTerminal {
public:
  explicit PseudoTerminal(std::string linkPath = {}); // throws std::system_error
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  int master() const { return master_; }
  // The simulator's own descriptor of the slave side: what it holds unread
  // is what the host has not read.
  int slave() const { return slave_; }
  const std::string& slavePath() const { return slavePath_; }

private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
  std::string linkPath_;
};

} // namespace orvane::sim
