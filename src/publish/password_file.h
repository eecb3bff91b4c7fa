#pragma once

#include <optional>
#include <string>

namespace orvane {

// The first line of a password file, without its line end, at most 1 KB read. The file must
// belong to the user the program runs as and be closed to group and others (chmod 600), so
// that nobody else can have read the password or put one of their own in it.
struct PasswordResult {
  std::optional<std::string> password;
  std::string error;
};
PasswordResult readPasswordFile(const std::string& path);

// The credential the service manager placed for this process, which it alone can read: the
// first line, up to 1 KB, with no owner or mode check. Nothing when there is none.
std::optional<PasswordResult> readPasswordCredential();

} // namespace orvane
