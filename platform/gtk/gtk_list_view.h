#pragma once

#include <gtk/gtk.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/gtk/list_view_look.h"
#include "platform/list_view.h"
#include "platform/window.h"

namespace platform::gtk {

// A list view on the GTK desktop: a tree view over a list store, in a scrolled
// window placed in the parent window's widget. Clicks are reported when the button
// comes up on the row it went down on, double clicks as they come (the second
// press of a double click is no click of its own), each after GTK has handled
// the event, so that the owner may refill or destroy the list from its handler.
class GtkListView final : public ListView {
 public:
  GtkListView(Window& parent, Rect bounds, ListViewEvents& events);
  ~GtkListView() override;
  GtkListView(const GtkListView&) = delete;
  GtkListView& operator=(const GtkListView&) = delete;

  void Move(Rect bounds) override;
  void SetColumnWidths(const std::vector<int>& widths) override;
  void SetImages(const std::vector<Bitmap>& images, Colour maskColour) override;
  void SetBackgroundPicture(const Bitmap& tile) override;
  void SetTextColour(Colour colour) override;
  void SetBackgroundColour(Colour colour) override;
  void DeleteAllRows() override;
  void InsertRow(int row, int image) override;
  void SetText(int row, int column, const std::string& utf8) override;
  int RowCount() const override;
  std::string Text(int row, int column) const override;
  int Image(int row) const override;
  int SelectedRow() const override;
  void SelectRow(int row) override;
  void Redraw() override;

  // The tree view that shows the rows (for tests).
  GtkTreeView* View() const { return treeView_; }

 private:
  struct Report {
    bool doubleClick;
    int row;
  };

  static gboolean OnButtonPressed(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean OnButtonReleased(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
  static void OnDestroyed(GtkWidget*, gpointer self);
  static void OnAllocated(GtkWidget*, GdkRectangle*, gpointer self);
  static gboolean DeliverReports(gpointer self);
  static gboolean AttachModelLater(gpointer self);
  static void ShowImage(GtkTreeViewColumn*, GtkCellRenderer* cell, GtkTreeModel* model, GtkTreeIter* iter,
                        gpointer self);
  static void ShowText(GtkTreeViewColumn* column, GtkCellRenderer* cell, GtkTreeModel* model, GtkTreeIter* iter,
                       gpointer);

  bool RowIter(int row, GtkTreeIter* iter) const;
  int RowAt(const GdkEventButton& event);
  void Queue(Report report);
  void AttachModel();
  void DetachModel();
  void ShowPendingRow();
  void RestyleRows();
  void ForgetImages();

  ListViewEvents& events_;
  GtkWidget* scrolled_ = nullptr;  // one reference of our own
  GtkTreeView* treeView_ = nullptr;
  GtkListStore* store_ = nullptr;
  GtkCssProvider* css_ = nullptr;
  bool widgetsGone_ = false;  // destroyed with the parent window before this object
  bool modelAttached_ = true;
  bool layoutPending_ = true;  // rows attached but not laid out since
  guint attachSource_ = 0;
  int rowToShow_ = -1;  // selected, to be scrolled into view once laid out

  std::vector<GdkPixbuf*> images_;
  Bitmap tile_;
  Colour background_ = Rgb(255, 255, 255);
  ListViewColours colours_;

  static constexpr int kNoPress = -2;
  int pressedRow_ = kNoPress;
  std::deque<Report> reports_;
  guint deliverSource_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace platform::gtk
