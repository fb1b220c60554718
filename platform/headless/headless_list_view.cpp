#include "platform/headless/headless_list_view.h"

#include <algorithm>

#include "platform/raster/draw.h"

namespace platform::headless {

namespace {
constexpr raster::Font kRowFont{"DejaVu Sans", 8};
constexpr Colour kSelection = Rgb(51, 153, 255);
constexpr Colour kSelectedText = Rgb(255, 255, 255);
}  // namespace

HeadlessListView::HeadlessListView(Window& parent, Rect bounds, ListViewEvents& events) : rows_(events) {
  rows_.CreateChild(parent, bounds, 0, true);
}

HeadlessListView::~HeadlessListView() {
  if (onGone_) onGone_();
}

void HeadlessListView::SetColumnWidths(const std::vector<int>& widths) {
  rows_.widths = widths;
  rows_.Invalidate(true);
}

void HeadlessListView::SetImages(const std::vector<Bitmap>& images, Colour maskColour) {
  rows_.images = images;
  rows_.mask = maskColour;
  rows_.Invalidate(true);
}

void HeadlessListView::SetBackgroundPicture(const Bitmap& tile) {
  rows_.tile = tile;
  rows_.Invalidate(true);
}

void HeadlessListView::SetTextColour(Colour colour) {
  rows_.text = colour;
  rows_.Invalidate(true);
}

void HeadlessListView::SetBackgroundColour(Colour colour) {
  rows_.background = colour;
  rows_.Invalidate(true);
}

void HeadlessListView::DeleteAllRows() {
  rows_.rows.clear();
  rows_.selected = -1;
  rows_.top = 0;
  rows_.Invalidate(true);
}

void HeadlessListView::InsertRow(int row, int image) {
  row = std::clamp(row, 0, RowCount());
  rows_.rows.insert(rows_.rows.begin() + row, Row{image, {}});
  if (rows_.selected >= row) ++rows_.selected;
  rows_.Invalidate(true);
}

void HeadlessListView::SetText(int row, int column, const std::string& utf8) {
  if (row < 0 || row >= RowCount() || column < 1) return;
  std::vector<std::string>& texts = rows_.rows[row].texts;
  if (static_cast<int>(texts.size()) < column) texts.resize(column);
  texts[column - 1] = utf8;
  rows_.Invalidate(true);
}

std::string HeadlessListView::Text(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 1) return {};
  const std::vector<std::string>& texts = rows_.rows[row].texts;
  return column - 1 < static_cast<int>(texts.size()) ? texts[column - 1] : std::string();
}

int HeadlessListView::Image(int row) const { return row >= 0 && row < RowCount() ? rows_.rows[row].image : -1; }

void HeadlessListView::SelectRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  rows_.selected = row;
  rows_.ScrollTo(row);
  rows_.Invalidate(true);
}

Point HeadlessListView::RowCentre(int row) const {
  return {rows_.ClientSize().width / 2, (row - rows_.top) * kRowHeight + kRowHeight / 2};
}

int HeadlessListView::RowsWindow::RowAt(Point p) const {
  if (p.y < 0 || p.x < 0 || p.x >= ClientSize().width) return -1;
  int row = top + p.y / kRowHeight;
  return row < static_cast<int>(rows.size()) ? row : -1;
}

void HeadlessListView::RowsWindow::ScrollTo(int row) {
  int visible = std::max(1, ClientSize().height / kRowHeight);
  if (row < top) top = row;
  if (row >= top + visible) top = row - visible + 1;
}

bool HeadlessListView::RowsWindow::OnEraseBackground(DrawContext& dc) {
  dc.FillRect(ClientRect(), background);
  if (tile.Empty()) return true;
  for (int y = 0; y < ClientSize().height; y += tile.Height())
    for (int x = 0; x < ClientSize().width; x += tile.Width()) dc.Copy(x, y, tile.Width(), tile.Height(), tile);
  return true;
}

void HeadlessListView::RowsWindow::OnPaint(DrawContext& dc) {
  int visible = ClientSize().height / kRowHeight + 1;
  for (int row = top; row < static_cast<int>(rows.size()) && row < top + visible; ++row) {
    int y = (row - top) * kRowHeight;
    bool isSelected = row == selected;
    if (isSelected) dc.FillRect({0, y, ClientSize().width, kRowHeight}, kSelection);
    int x = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
      int width = widths[column];
      if (column == 0) {
        int image = rows[row].image;
        if (image >= 0 && image < static_cast<int>(images.size())) {
          const Bitmap& icon = images[image];
          Rect to{x + (width - icon.Width()) / 2, y + (kRowHeight - icon.Height()) / 2, icon.Width(), icon.Height()};
          dc.TransparentCopy(to, icon, {0, 0, icon.Width(), icon.Height()}, mask);
        }
      } else if (column - 1 < rows[row].texts.size()) {
        const std::string& text = rows[row].texts[column - 1];
        Size extent = raster::TextExtent(text, kRowFont);
        dc.Text(x + (width - extent.width) / 2, y + (kRowHeight - extent.height) / 2, text, kRowFont,
                isSelected ? kSelectedText : this->text);
      }
      x += width;
    }
  }
}

void HeadlessListView::RowsWindow::OnLButtonDown(Point p) {
  SetFocus();
  pressedRow_ = RowAt(p);
  if (pressedRow_ >= 0) {
    selected = pressedRow_;
    Invalidate(true);
  }
}

void HeadlessListView::RowsWindow::OnLButtonUp(Point p) {
  int row = RowAt(p);
  bool sameRow = row == pressedRow_;
  pressedRow_ = -2;
  if (sameRow) events_.OnRowClicked(row);
}

void HeadlessListView::RowsWindow::OnLButtonDblClk(Point p) {
  int row = RowAt(p);
  if (row >= 0) {
    selected = row;
    Invalidate(true);
  }
  events_.OnRowDoubleClicked(row);
}

}  // namespace platform::headless
