#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/list_view.h"
#include "platform/window.h"

namespace platform::headless {

// A list view drawn by the simulated desktop itself: rows of an image and texts
// in centred columns, the selected row highlighted, clicks reported when the
// button comes up on the row it went down on, double clicks as they come.
class HeadlessListView : public ListView {
 public:
  static constexpr int kRowHeight = 19;

  HeadlessListView(Window& parent, Rect bounds, ListViewEvents& events);
  // Runs when the list view goes.
  void SetOnGone(std::function<void()> onGone) { onGone_ = std::move(onGone); }
  ~HeadlessListView() override;

  void Move(Rect bounds) override { rows_.Move(bounds); }
  void SetColumnWidths(const std::vector<int>& widths) override;
  void SetImages(const std::vector<Bitmap>& images, Colour maskColour) override;
  void SetBackgroundPicture(const Bitmap& tile) override;
  void SetTextColour(Colour colour) override;
  void SetBackgroundColour(Colour colour) override;
  void DeleteAllRows() override;
  void InsertRow(int row, int image) override;
  void SetText(int row, int column, const std::string& utf8) override;
  int RowCount() const override { return static_cast<int>(rows_.rows.size()); }
  std::string Text(int row, int column) const override;
  int Image(int row) const override;
  int SelectedRow() const override { return rows_.selected; }
  void SelectRow(int row) override;
  void Redraw() override { rows_.Invalidate(false); }

  // The window that shows the rows (for clicking at a row in tests).
  Window& View() { return rows_; }
  // The client point at the middle of a visible row.
  Point RowCentre(int row) const;
  int FirstVisibleRow() const { return rows_.top; }

 private:
  struct Row {
    int image = 0;
    std::vector<std::string> texts;
  };

  class RowsWindow : public Window {
   public:
    explicit RowsWindow(ListViewEvents& events) : events_(events) {}
    int RowAt(Point p) const;
    void ScrollTo(int row);

    std::vector<Row> rows;
    std::vector<int> widths;
    std::vector<Bitmap> images;
    Colour mask = 0;
    Bitmap tile;
    Colour text = Rgb(0, 0, 0);
    Colour background = Rgb(255, 255, 255);
    int selected = -1;
    int top = 0;

   protected:
    bool OnEraseBackground(DrawContext& dc) override;
    void OnPaint(DrawContext& dc) override;
    void OnLButtonDown(Point p) override;
    void OnLButtonUp(Point p) override;
    void OnLButtonDblClk(Point p) override;

   private:
    ListViewEvents& events_;
    int pressedRow_ = -2;
  };

  RowsWindow rows_;
  std::function<void()> onGone_;
};

}  // namespace platform::headless
