#pragma once

#include <QString>
#include <string>

namespace tunelot {

// Paths are bytes in the core and text on the screen; the conversion is the system's
// file name encoding.
inline QString ToQt(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string FromQt(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tunelot
