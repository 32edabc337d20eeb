#pragma once
// A small file system to fill up: a tmpfs mounted on a folder of the test's own, taken away when
// the test ends. Mounting needs root (as the tests run here and in CI) or a user namespace of its
// own ("unshare -Urm"); where neither is given the test is skipped, saying so.

#include <sys/mount.h>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vorlan::test {

inline constexpr char kCannotMount[] =
    "a small tmpfs cannot be mounted here: run as root or under \"unshare -Urm\"";

class FullDisk {
 public:
  // A file system of `kilobytes` on `folder` (which must exist).
  FullDisk(const QString& folder, int kilobytes) : folder_(QFile::encodeName(folder)) {
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0700";
    mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                       options.constData()) == 0;
  }
  ~FullDisk() {
    if (mounted_) ::umount2(folder_.constData(), MNT_DETACH);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  bool mounted() const { return mounted_; }

  // Takes every page still free with one file ("filler"); whether the disk is full after it.
  bool fill() const {
    QFile filler(QString::fromUtf8(folder_) + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    return filler.error() != QFileDevice::NoError;
  }

 private:
  QByteArray folder_;
  bool mounted_ = false;
};

}  // namespace vorlan::test
