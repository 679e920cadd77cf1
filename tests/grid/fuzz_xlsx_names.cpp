// libFuzzer target of the workbook's file-name and sheet-name rules. Whatever name the user
// types, the file name must end in ".xlsx" and the sheet name must be one a spreadsheet accepts.
#include <cstdint>
#include <cstdlib>

#include "platform/grid/XlsxNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString chosen =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString file = wv::grid::xlsxFileName(chosen);
  if (!file.endsWith(QLatin1String(".xlsx"))) std::abort();
  const QString sheet = wv::grid::xlsxSheetName(file);
  if (sheet.isEmpty() || sheet.size() > 31) std::abort();
  if (sheet.startsWith(u'\'') || sheet.endsWith(u'\'')) std::abort();
  for (QChar c : sheet)
    if (c.unicode() < 0x20 || QStringView(u"*/:?[\\]").contains(c)) std::abort();
  return 0;
}
