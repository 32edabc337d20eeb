#pragma once

#include <QString>
#include <string_view>

namespace vorlan {

// A UTF-8 text of a table as a QString.
inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vorlan
