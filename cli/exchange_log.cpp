#include "cli/exchange_log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QStringList>
#include <QThread>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

#include "config/file_names.h"

namespace vorlan::cli {
namespace {

QString Now() {
  return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

#ifdef Q_OS_UNIX
QString Seconds(int ms) {
  return QString::number(ms / 1000.0);
}

QString SystemText(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Opens for appending without waiting: a FIFO is opened once a program reads it, asked again
// until the time-out. A new file is created readable by its owner alone.
int OpenForAppend(const QString& path, int timeoutMs, QString& failure) {
  const QByteArray name = FileNameBytes(path);
  const QDeadlineTimer deadline(timeoutMs);
  for (;;) {
    const int fd = ::open(name.constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd >= 0) return fd;
    if (errno == EINTR) continue;
    if (errno != ENXIO) {
      failure = SystemText(errno);
      return -1;
    }
    if (deadline.hasExpired()) {
      failure = QStringLiteral("no program read it within %1 s").arg(Seconds(timeoutMs));
      return -1;
    }
    QThread::msleep(10);
  }
}
#endif

}  // namespace

ExchangeLog::~ExchangeLog() {
#ifdef Q_OS_UNIX
  if (ownsFd_ && fd_ >= 0) ::close(fd_);
#endif
}

bool ExchangeLog::open(const QString& path, int timeoutMs) {
  timeoutMs_ = timeoutMs;
  if (!openStream(path)) return false;
  note(QStringLiteral("%1 %2: the passwords (the device's, the APRS-IS login, the WiFi password, "
                      "the other station's) show as ** in the hex and * in the text")
           .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
  return true;
}

bool ExchangeLog::openStream(const QString& path) {
#ifdef Q_OS_UNIX
  if (path == QLatin1String("-")) {
    fd_ = STDERR_FILENO;
    return true;
  }
  fd_ = OpenForAppend(path, timeoutMs_, failure_);
  if (fd_ < 0) return false;
  ownsFd_ = true;
  struct stat status {};
  if (::fstat(fd_, &status) != 0) {
    failure_ = SystemText(errno);
  } else if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode) && !S_ISCHR(status.st_mode)) {
    failure_ = QStringLiteral("it is no file, FIFO or terminal");
  } else {
    return true;
  }
  ::close(fd_);
  fd_ = -1;
  return false;
#else
  bool opened = false;
  if (path == QLatin1String("-")) {
    opened = file_.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
  } else {
    file_.setFileName(path);
    opened = file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
  if (!opened) failure_ = file_.errorString();
  return opened;
#endif
}

bool ExchangeLog::isOpen() const {
#ifdef Q_OS_UNIX
  return fd_ >= 0;
#else
  return file_.isOpen();
#endif
}

QString ExchangeLog::Line(const QByteArray& bytes, const std::vector<bool>& secret) {
  QStringList hex;
  QString text;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (i < static_cast<qsizetype>(secret.size()) && secret[static_cast<std::size_t>(i)]) {
      hex << QStringLiteral("**");
      text += u'*';
      continue;
    }
    hex << QString::fromLatin1(QByteArray(1, c).toHex());
    text += c >= 0x20 && c < 0x7F ? QChar(c) : QChar('.');
  }
  return hex.join(' ') + QStringLiteral(" | ") + text;
}

void ExchangeLog::sent(const QByteArray& bytes) {
  secretsReceived_.sent(bytes);
  write(QStringLiteral("->"), bytes, SecretBytesSent(bytes));
}

void ExchangeLog::received(const QByteArray& bytes) {
  write(QStringLiteral("<-"), bytes, secretsReceived_.next(bytes));
}

void ExchangeLog::note(const QString& text) {
  append((Now() + QStringLiteral(" -- ") + text + '\n').toUtf8());
}

void ExchangeLog::write(const QString& direction, const QByteArray& bytes,
                        const std::vector<bool>& secret) {
  append((Now() + ' ' + direction + ' ' + Line(bytes, secret) + '\n').toUtf8());
}

// The whole line, or the log is given up with the reason: a log with lines missing would mislead.
void ExchangeLog::append(const QByteArray& line) {
  if (!isOpen()) return;
#ifdef Q_OS_UNIX
  const QDeadlineTimer deadline(timeoutMs_);
  qsizetype written = 0;
  while (written < line.size()) {
    const ssize_t n =
        ::write(fd_, line.constData() + written, static_cast<std::size_t>(line.size() - written));
    if (n >= 0) {
      written += n;
      continue;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) {
      failure_ = SystemText(errno);
    } else if (deadline.hasExpired()) {
      failure_ = QStringLiteral("no room for a line within %1 s").arg(Seconds(timeoutMs_));
    } else {
      pollfd room{fd_, POLLOUT, 0};
      ::poll(&room, 1, static_cast<int>(deadline.remainingTime()));
      continue;
    }
    if (ownsFd_) ::close(fd_);
    fd_ = -1;
    return;
  }
#else
  if (file_.write(line) != line.size() || !file_.flush()) {
    failure_ = file_.errorString();
    file_.close();
  }
#endif
}

}  // namespace vorlan::cli
