#pragma once
// This program as the saver of a configuration file, now.

#include <QCoreApplication>
#include <QDateTime>
#include <optional>

#include "config/config_format.h"

namespace vorlan::ui {

// `read` says where the values were read from, for the backup of a read-back.
inline SaveInfo SavedByThisProgram(const std::optional<ReadOrigin>& read = std::nullopt) {
  return {QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
          QDateTime::currentDateTimeUtc(), read};
}

}  // namespace vorlan::ui
