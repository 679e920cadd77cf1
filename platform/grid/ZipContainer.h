#pragma once

#include <QString>
#include <string_view>

namespace wv::grid {

// A ZIP archive written front to back: one part at a time, each deflated at a fast level
// while its bytes are streamed in, so memory does not grow with a part's size. The file is
// created (or truncated) when the container is made.
class ZipContainer {
 public:
  // Throws wv::Error "Cannot create file "<path>". <reason>" when the file cannot be made.
  explicit ZipContainer(const QString& path);
  ~ZipContainer();
  ZipContainer(const ZipContainer&) = delete;
  ZipContainer& operator=(const ZipContainer&) = delete;

  // `mayExceed4GiB` gives the part ZIP64 records; small parts keep the plain ones.
  void beginPart(const char* name, bool mayExceed4GiB = false);
  void write(std::string_view bytes);
  void endPart();
  // Writes the central directory and closes the file; a write error anywhere throws.
  void finish();

 private:
  [[noreturn]] void fail() const;

  QString path_;
  void* zip_;  // minizip's zipFile
};

}  // namespace wv::grid
