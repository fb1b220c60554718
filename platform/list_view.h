#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/raster/bitmap.h"

namespace platform {

class Window;

// What a list view tells its owner. `row` is -1 when the click hit no row.
class ListViewEvents {
 public:
  virtual ~ListViewEvents() = default;
  virtual void OnRowClicked(int row) = 0;
  virtual void OnRowDoubleClicked(int row) = 0;
};

// A native report list: rows of one image and texts in fixed-width centred
// columns, no header, single selection that stays shown, an optional tiled
// background picture under the rows.
class ListView {
 public:
  virtual ~ListView() = default;

  virtual void Move(Rect bounds) = 0;  // in the parent's client area
  virtual void SetColumnWidths(const std::vector<int>& widths) = 0;
  // The images rows refer to by index; pixels of `maskColour` are transparent.
  virtual void SetImages(const std::vector<Bitmap>& images, Colour maskColour) = 0;
  virtual void SetBackgroundPicture(const Bitmap& tile) = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetBackgroundColour(Colour colour) = 0;

  virtual void DeleteAllRows() = 0;
  // Inserts a row at `row` (the end when beyond it) with its image; texts start empty.
  virtual void InsertRow(int row, int image) = 0;
  // Column 0 holds the image; texts go to columns 1 and up.
  virtual void SetText(int row, int column, const std::string& utf8) = 0;

  virtual int RowCount() const = 0;
  virtual std::string Text(int row, int column) const = 0;
  virtual int Image(int row) const = 0;
  // -1 when no row is selected.
  virtual int SelectedRow() const = 0;
  // Makes `row` the selected and focused row and scrolls it into view.
  virtual void SelectRow(int row) = 0;
  // Redraws the rows without erasing.
  virtual void Redraw() = 0;
};

// A list view as a child of `parent`, at `bounds`, telling `events` about clicks.
std::unique_ptr<ListView> CreateListView(Window& parent, Rect bounds, ListViewEvents& events);

}  // namespace platform
