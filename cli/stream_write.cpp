#include "cli/stream_write.h"

#include <QtGlobal>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vorlan::cli {

QString WriteWhole(std::FILE* stream, const QByteArray& bytes) {
  errno = 0;
  const auto size = static_cast<std::size_t>(bytes.size());
  const bool written =
      std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
  if (written) return {};
  return QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
}

bool IsTerminal(std::FILE* stream) {
#ifdef Q_OS_WIN
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

QString StandardOutputFailureText(const QString& reason) {
  return QStringLiteral("Cannot write to standard output: %1").arg(reason);
}

QString StandardErrorFailureText(const QString& reason) {
  return QStringLiteral("Cannot write to standard error: %1").arg(reason);
}

}  // namespace vorlan::cli
