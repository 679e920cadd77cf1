#include "data/GridStyles.h"

#include <QGuiApplication>
#include <QPalette>

#include "platform/shell/Fonts.h"

namespace wv::data {

namespace {

using grid::GridStyle;

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kWhite(0xFF, 0xFF, 0xFF);

GridStyle colours(QColor background, std::optional<QColor> text = std::nullopt) {
  GridStyle style;
  style.background = background;
  style.textColor = text;
  return style;
}

GridStyle withFont(GridStyle style, bool bold, QColor fontColor) {
  style.font = shell::designFont(QStringLiteral("MS Sans Serif"), 11, bold);
  style.fontColor = fontColor;
  return style;
}

}  // namespace

grid::GridStyleSheet reportGridStyleSheet() {
  const QColor windowText = QGuiApplication::palette().color(QPalette::WindowText);
  grid::GridStyleSheet sheet;
  sheet.background = colours(QColor(0xFF, 0xFB, 0xF0));                                 // cxStyle1
  sheet.content = withFont(colours(QColor(0xD9, 0xEA, 0xF7), kBlack), false, kBlack);   // cxStyle2
  sheet.contentEven = colours(QColor(0xD9, 0xEA, 0xF7), kBlack);                        // cxStyle3
  sheet.contentOdd = colours(QColor(0xEA, 0xF3, 0xFB), kBlack);                         // cxStyle4
  sheet.filterBox = colours(QColor(0xFF, 0xFF, 0xE1), kBlack);                          // cxStyle5
  sheet.incSearch = colours(QColor(0xFE, 0xD5, 0x47), kBlack);                          // cxStyle11
  sheet.footer = withFont(colours(QColor(0xFF, 0xFF, 0xE1), kNavy), true, windowText);  // cxStyle6
  sheet.group = colours(QColor(0xF1, 0xEF, 0xE2));                                      // cxStyle7
  sheet.groupByBox = colours(QColor(0xFE, 0xD5, 0x47), kBlack);                         // cxStyle8
  sheet.header = withFont(colours(QColor(0x31, 0x6A, 0xC5), kWhite), true, windowText);  // cxStyle9
  sheet.inactive = colours(QColor(0xA4, 0xC4, 0xEB));                               // cxStyle10
  sheet.indicator = colours(QColor(0xA4, 0xC4, 0xEB));                              // cxStyle12
  sheet.preview = withFont(colours(QColor(0xFF, 0xFF, 0xE1), kNavy), true, kNavy);  // cxStyle13
  sheet.selection = colours(QColor(0x31, 0x6A, 0xC5), kWhite);                      // cxStyle14
  return sheet;
}

}  // namespace wv::data
