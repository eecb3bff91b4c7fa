#pragma once

#include <QImage>

namespace orvane {

// The system clipboard.
class Clipboard {
public:
  virtual ~Clipboard() = default;
  // Empties the clipboard, then puts the picture on it.
  virtual void setImage(const QImage& image) = 0;
};

} // namespace orvane
