#include "platform/grid/GridLook.h"

namespace wv::grid {

namespace {
ElementLook over(const GridStyle& style, ElementLook base) {
  if (style.background) base.background = *style.background;
  if (style.font) base.font = *style.font;
  if (style.textColor)
    base.text = *style.textColor;
  else if (style.fontColor)
    base.text = *style.fontColor;
  return base;
}
}  // namespace

GridLook GridLook::resolve(const GridStyleSheet& sheet, const QPalette& palette,
                           const QFont& font) {
  const QColor text = palette.color(QPalette::Text);
  QFont bold = font;
  bold.setBold(true);
  const ElementLook content = over(sheet.content, {palette.color(QPalette::Base), text, font});
  const ElementLook panel{palette.color(QPalette::Button), palette.color(QPalette::ButtonText),
                          font};

  GridLook look;
  look.background = over(sheet.background, {palette.color(QPalette::Base), text, font});
  look.even = over(sheet.contentEven, content);
  look.odd = over(sheet.contentOdd, content);
  look.filterBox = over(sheet.filterBox, {palette.color(QPalette::Base), text, font});
  look.incSearch = over(sheet.incSearch, {palette.color(QPalette::Highlight),
                                          palette.color(QPalette::HighlightedText), content.font});
  look.footer = over(sheet.footer, {panel.background, panel.text, bold});
  look.group = over(sheet.group, {palette.color(QPalette::AlternateBase), text, bold});
  look.groupByBox = over(
      sheet.groupByBox, {palette.color(QPalette::Dark), palette.color(QPalette::BrightText), font});
  look.header = over(sheet.header, {panel.background, panel.text, bold});
  look.inactive = over(sheet.inactive, {palette.color(QPalette::Inactive, QPalette::Highlight),
                                        content.text, content.font});
  look.indicator = over(sheet.indicator, panel);
  look.selection = over(sheet.selection, {palette.color(QPalette::Highlight),
                                          palette.color(QPalette::HighlightedText), content.font});
  look.gridLine = content.background.darker(118);
  return look;
}

}  // namespace wv::grid
