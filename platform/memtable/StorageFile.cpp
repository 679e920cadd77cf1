#include "platform/memtable/StorageFile.h"

#include <utility>

#include "platform/error/Error.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#endif

namespace wv::memtable {

namespace {

// One open file of the operating system; every call that fails leaves its reason in reason().
// Writing is exclusive; reading lets other readers in and keeps writers out.
class NativeFile {
 public:
  enum class Purpose { Write, Read };
  NativeFile(const QString& path, Purpose purpose);
  ~NativeFile();
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;

  bool isOpen() const;
  qsizetype read(char* buffer, qsizetype size);         // -1 on failure, 0 at the end
  qsizetype write(const char* buffer, qsizetype size);  // -1 on failure
  bool close();
  QString reason() const;

 private:
#ifdef _WIN32
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  DWORD error_ = 0;
#else
  int fd_ = -1;
  int error_ = 0;
#endif
};

#ifdef _WIN32

NativeFile::NativeFile(const QString& path, Purpose purpose) {
  const bool writing = purpose == Purpose::Write;
  handle_ =
      CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), writing ? GENERIC_WRITE : GENERIC_READ,
                  writing ? 0 : FILE_SHARE_READ, nullptr, writing ? CREATE_ALWAYS : OPEN_EXISTING,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) error_ = GetLastError();
}

NativeFile::~NativeFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

bool NativeFile::isOpen() const {
  return handle_ != INVALID_HANDLE_VALUE;
}

qsizetype NativeFile::read(char* buffer, qsizetype size) {
  DWORD done = 0;
  if (ReadFile(handle_, buffer, DWORD(qMin<qsizetype>(size, 1 << 20)), &done, nullptr)) return done;
  error_ = GetLastError();
  return -1;
}

qsizetype NativeFile::write(const char* buffer, qsizetype size) {
  DWORD done = 0;
  if (WriteFile(handle_, buffer, DWORD(qMin<qsizetype>(size, 1 << 20)), &done, nullptr))
    return done;
  error_ = GetLastError();
  return -1;
}

bool NativeFile::close() {
  if (CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE))) return true;
  error_ = GetLastError();
  return false;
}

// The system's text, without the line break and full stop it ends with.
QString NativeFile::reason() const {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error_, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  QString text = QString::fromWCharArray(buffer, int(length));
  LocalFree(buffer);
  while (!text.isEmpty() && (text.back().isSpace() || text.back() == u'.')) text.chop(1);
  return text;
}

#else

// Advisory locks, taken by every instance of the program, stand in for the sharing modes of
// Windows. The file is truncated only once locked, so a refused save empties nothing; and
// non-blocking opening keeps a FIFO in the file's place from hanging the program.
NativeFile::NativeFile(const QString& path, Purpose purpose) {
  const bool writing = purpose == Purpose::Write;
  fd_ = ::open(QFile::encodeName(path).constData(),
               (writing ? O_WRONLY | O_CREAT : O_RDONLY) | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd_ < 0 || ::flock(fd_, (writing ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0 ||
      (writing && ::ftruncate(fd_, 0) != 0)) {
    error_ = errno;
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  }
}

NativeFile::~NativeFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool NativeFile::isOpen() const {
  return fd_ >= 0;
}

// Repeats a call that a signal interrupted.
template <class Call>
ssize_t retryingInterrupts(Call call) {
  ssize_t done = 0;
  do {
    done = call();
  } while (done < 0 && errno == EINTR);
  return done;
}

qsizetype NativeFile::read(char* buffer, qsizetype size) {
  const ssize_t done = retryingInterrupts([&] { return ::read(fd_, buffer, size_t(size)); });
  if (done < 0) error_ = errno;
  return done;
}

qsizetype NativeFile::write(const char* buffer, qsizetype size) {
  const ssize_t done = retryingInterrupts([&] { return ::write(fd_, buffer, size_t(size)); });
  if (done < 0) error_ = errno;
  return done;
}

bool NativeFile::close() {
  if (::close(std::exchange(fd_, -1)) == 0) return true;
  error_ = errno;
  return false;
}

QString NativeFile::reason() const {
  return QString::fromLocal8Bit(std::strerror(error_));
}

#endif

Error createError(const QString& path, const NativeFile& file) {
  return Error(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.reason()));
}

Error openError(const QString& path, const NativeFile& file) {
  return Error(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.reason()));
}

}  // namespace

void writeWholeFile(const QString& path, QByteArrayView bytes) {
  NativeFile file(path, NativeFile::Purpose::Write);
  if (!file.isOpen()) throw createError(path, file);
  for (qsizetype written = 0; written < bytes.size();) {
    const qsizetype done = file.write(bytes.data() + written, bytes.size() - written);
    if (done < 0) throw createError(path, file);
    written += done;
  }
  if (!file.close()) throw createError(path, file);
}

QByteArray readFileHead(const QString& path, qsizetype limit) {
  NativeFile file(path, NativeFile::Purpose::Read);
  if (!file.isOpen()) throw openError(path, file);
  QByteArray bytes(limit, Qt::Uninitialized);
  qsizetype read = 0;
  while (read < limit) {
    const qsizetype done = file.read(bytes.data() + read, limit - read);
    if (done < 0) throw openError(path, file);
    if (done == 0) break;
    read += done;
  }
  bytes.truncate(read);
  return bytes;
}

}  // namespace wv::memtable
