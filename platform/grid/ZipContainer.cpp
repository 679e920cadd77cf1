#include "platform/grid/ZipContainer.h"

#include <minizip/zip.h>

#include <QDateTime>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/error/Error.h"

namespace wv::grid {

namespace {

// Deflate's fastest level: the sheet XML is large and repetitive, so the higher levels cost
// much time for little size.
constexpr int kDeflateLevel = 1;

QString systemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

zip_fileinfo nowFileInfo() {
  const QDateTime now = QDateTime::currentDateTime();
  zip_fileinfo info{};
  info.tmz_date.tm_sec = static_cast<uInt>(now.time().second());
  info.tmz_date.tm_min = static_cast<uInt>(now.time().minute());
  info.tmz_date.tm_hour = static_cast<uInt>(now.time().hour());
  info.tmz_date.tm_mday = static_cast<uInt>(now.date().day());
  info.tmz_date.tm_mon = static_cast<uInt>(now.date().month() - 1);
  info.tmz_date.tm_year = static_cast<uInt>(now.date().year());
  return info;
}

}  // namespace

ZipContainer::ZipContainer(const QString& path) : path_(path) {
  errno = 0;
  zip_ = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
  if (!zip_)
    throw Error(QStringLiteral("Cannot create file \"%1\". %2")
                    .arg(path, systemReason(errno ? errno : EIO)));
}

ZipContainer::~ZipContainer() {
  if (zip_) zipClose(zip_, nullptr);
}

void ZipContainer::fail() const {
  const int error = errno ? errno : EIO;
  throw Error(QStringLiteral("Cannot write file \"%1\". %2").arg(path_, systemReason(error)));
}

void ZipContainer::beginPart(const char* name, bool mayExceed4GiB) {
  const zip_fileinfo info = nowFileInfo();
  errno = 0;
  if (zipOpenNewFileInZip3_64(zip_, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              kDeflateLevel, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                              nullptr, 0, mayExceed4GiB ? 1 : 0) != ZIP_OK)
    fail();
}

void ZipContainer::write(std::string_view bytes) {
  // minizip takes at most 4 GiB - 1 per call.
  constexpr size_t kChunk = size_t{1} << 30;
  while (!bytes.empty()) {
    const size_t n = std::min(bytes.size(), kChunk);
    errno = 0;
    if (zipWriteInFileInZip(zip_, bytes.data(), static_cast<unsigned>(n)) != ZIP_OK) fail();
    bytes.remove_prefix(n);
  }
}

void ZipContainer::endPart() {
  errno = 0;
  if (zipCloseFileInZip(zip_) != ZIP_OK) fail();
}

void ZipContainer::finish() {
  errno = 0;
  const int result = zipClose(zip_, nullptr);  // also reports a failed flush or close
  zip_ = nullptr;
  if (result != ZIP_OK) fail();
}

}  // namespace wv::grid
