#include "platform/gtk/gtk_list_view.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gtk/gtk_native_window.h"
#include "platform/gtk/pixbufs.h"

namespace platform::gtk {

namespace {

enum StoreColumn { kImageColumn, kTextsColumn, kStoreColumns };

GtkTreePath* PathOf(int row) { return gtk_tree_path_new_from_indices(row, -1); }

int RowOf(GtkTreePath* path) {
  int depth = 0;
  int* indices = gtk_tree_path_get_indices_with_depth(path, &depth);
  return depth > 0 ? indices[0] : -1;
}

// The texts of a row, columns 1 and up, as the store keeps them.
std::vector<std::string> TextsOf(GtkTreeModel* model, GtkTreeIter* iter) {
  gchar** texts = nullptr;
  gtk_tree_model_get(model, iter, kTextsColumn, &texts, -1);
  std::vector<std::string> out;
  for (gchar** t = texts; t != nullptr && *t != nullptr; ++t) out.emplace_back(*t);
  g_strfreev(texts);
  return out;
}

}  // namespace

GtkListView::GtkListView(Window& parent, Rect bounds, ListViewEvents& events) : events_(events) {
  GtkNativeWindow* native = GtkNativeWindow::Of(parent);
  if (native == nullptr) throw std::logic_error("a list view needs a created parent window");

  store_ = gtk_list_store_new(kStoreColumns, G_TYPE_INT, G_TYPE_STRV);
  treeView_ = GTK_TREE_VIEW(gtk_tree_view_new_with_model(GTK_TREE_MODEL(store_)));
  gtk_tree_view_set_headers_visible(treeView_, FALSE);
  gtk_tree_view_set_enable_search(treeView_, FALSE);
  // Every column has a fixed width, so the rows need not be measured one by one.
  gtk_tree_view_set_fixed_height_mode(treeView_, TRUE);
  gtk_tree_selection_set_mode(gtk_tree_view_get_selection(treeView_), GTK_SELECTION_SINGLE);

  css_ = gtk_css_provider_new();
  gtk_style_context_add_provider(gtk_widget_get_style_context(GTK_WIDGET(treeView_)), GTK_STYLE_PROVIDER(css_),
                                 GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  RestyleRows();

  scrolled_ = gtk_scrolled_window_new(nullptr, nullptr);
  g_object_ref_sink(scrolled_);
  // Never wider than it is placed, whatever the columns add up to.
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scrolled_), GTK_POLICY_EXTERNAL, GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scrolled_), FALSE);
  gtk_container_add(GTK_CONTAINER(scrolled_), GTK_WIDGET(treeView_));

  g_signal_connect(treeView_, "button-press-event", G_CALLBACK(OnButtonPressed), this);
  g_signal_connect(treeView_, "button-release-event", G_CALLBACK(OnButtonReleased), this);
  g_signal_connect(treeView_, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect_after(treeView_, "size-allocate", G_CALLBACK(OnAllocated), this);
  g_signal_connect(scrolled_, "destroy", G_CALLBACK(OnDestroyed), this);

  gtk_fixed_put(GTK_FIXED(native->Widget()), scrolled_, bounds.x, bounds.y);
  gtk_widget_set_size_request(scrolled_, std::max(bounds.width, 0), std::max(bounds.height, 0));
  gtk_widget_show_all(scrolled_);
}

GtkListView::~GtkListView() {
  *alive_ = false;
  if (deliverSource_ != 0) g_source_remove(deliverSource_);
  if (attachSource_ != 0) g_source_remove(attachSource_);
  if (!widgetsGone_) {
    g_signal_handlers_disconnect_by_data(treeView_, this);
    g_signal_handlers_disconnect_by_data(scrolled_, this);
    gtk_widget_destroy(scrolled_);
  }
  g_object_unref(scrolled_);
  g_object_unref(store_);
  g_object_unref(css_);
  ForgetImages();
}

void GtkListView::OnDestroyed(GtkWidget*, gpointer self) {
  auto* view = static_cast<GtkListView*>(self);
  view->widgetsGone_ = true;
  view->treeView_ = nullptr;
}

void GtkListView::Move(Rect bounds) {
  if (widgetsGone_) return;
  if (GtkWidget* parent = gtk_widget_get_parent(scrolled_)) {
    gtk_fixed_move(GTK_FIXED(parent), scrolled_, bounds.x, bounds.y);
  }
  gtk_widget_set_size_request(scrolled_, std::max(bounds.width, 0), std::max(bounds.height, 0));
}

void GtkListView::SetColumnWidths(const std::vector<int>& widths) {
  if (widgetsGone_) return;
  while (GtkTreeViewColumn* old = gtk_tree_view_get_column(treeView_, 0)) gtk_tree_view_remove_column(treeView_, old);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    GtkTreeViewColumn* column = gtk_tree_view_column_new();
    gtk_tree_view_column_set_sizing(column, GTK_TREE_VIEW_COLUMN_FIXED);
    gtk_tree_view_column_set_fixed_width(column, std::max(widths[i], 1));
    GtkCellRenderer* cell = nullptr;
    if (i == 0) {
      cell = gtk_cell_renderer_pixbuf_new();
      gtk_tree_view_column_pack_start(column, cell, TRUE);
      gtk_tree_view_column_set_cell_data_func(column, cell, ShowImage, this, nullptr);
    } else {
      cell = gtk_cell_renderer_text_new();
      gtk_tree_view_column_pack_start(column, cell, TRUE);
      gtk_tree_view_column_set_cell_data_func(column, cell, ShowText, GINT_TO_POINTER(static_cast<int>(i) - 1),
                                              nullptr);
    }
    g_object_set(cell, "xalign", 0.5, "ypad", 1, nullptr);
    gtk_tree_view_append_column(treeView_, column);
  }
}

void GtkListView::ShowImage(GtkTreeViewColumn*, GtkCellRenderer* cell, GtkTreeModel* model, GtkTreeIter* iter,
                            gpointer self) {
  const std::vector<GdkPixbuf*>& images = static_cast<GtkListView*>(self)->images_;
  int image = -1;
  gtk_tree_model_get(model, iter, kImageColumn, &image, -1);
  bool known = image >= 0 && image < static_cast<int>(images.size());
  g_object_set(cell, "pixbuf", known ? images[image] : nullptr, nullptr);
}

void GtkListView::ShowText(GtkTreeViewColumn*, GtkCellRenderer* cell, GtkTreeModel* model, GtkTreeIter* iter,
                           gpointer textIndex) {
  gchar** texts = nullptr;
  gtk_tree_model_get(model, iter, kTextsColumn, &texts, -1);
  int index = GPOINTER_TO_INT(textIndex);
  const gchar* text = nullptr;
  for (int i = 0; texts != nullptr && texts[i] != nullptr; ++i)
    if (i == index) text = texts[i];
  g_object_set(cell, "text", text, nullptr);
  g_strfreev(texts);
}

void GtkListView::ForgetImages() {
  for (GdkPixbuf* image : images_)
    if (image != nullptr) g_object_unref(image);
  images_.clear();
}

void GtkListView::SetImages(const std::vector<Bitmap>& images, Colour maskColour) {
  ForgetImages();
  for (const Bitmap& image : images) images_.push_back(PixbufFromBitmap(image, maskColour));
  Redraw();
}

void GtkListView::SetBackgroundPicture(const Bitmap& tile) {
  tile_ = tile;
  Redraw();
}

void GtkListView::SetTextColour(Colour colour) {
  colours_.text = colour;
  RestyleRows();
}

void GtkListView::SetBackgroundColour(Colour colour) {
  background_ = colour;
  Redraw();
}

void GtkListView::RestyleRows() {
  gtk_css_provider_load_from_data(css_, ListViewCss(colours_).c_str(), -1, nullptr);
}

gboolean GtkListView::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  auto* view = static_cast<GtkListView*>(self);
  GdkRectangle area{0, 0, gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget)};
  // Under the rows, which have no background of their own.
  PaintTiledBackground(cr, area, view->background_, view->tile_);
  return FALSE;
}

// Filling thousands of rows into a shown tree view makes it follow each change;
// the rows are filled detached and shown together once the filling is over.
void GtkListView::DetachModel() {
  if (!modelAttached_ || widgetsGone_) return;
  gtk_tree_view_set_model(treeView_, nullptr);
  modelAttached_ = false;
  if (attachSource_ == 0) attachSource_ = g_idle_add_full(G_PRIORITY_HIGH_IDLE, AttachModelLater, this, nullptr);
}

gboolean GtkListView::AttachModelLater(gpointer self) {
  auto* view = static_cast<GtkListView*>(self);
  view->attachSource_ = 0;
  view->AttachModel();
  return G_SOURCE_REMOVE;
}

void GtkListView::AttachModel() {
  if (attachSource_ != 0) {
    g_source_remove(attachSource_);
    attachSource_ = 0;
  }
  if (modelAttached_ || widgetsGone_) return;
  gtk_tree_view_set_model(treeView_, GTK_TREE_MODEL(store_));
  modelAttached_ = true;
  layoutPending_ = true;
}

void GtkListView::DeleteAllRows() {
  DetachModel();
  gtk_list_store_clear(store_);
  pressedRow_ = kNoPress;
  rowToShow_ = -1;
}

bool GtkListView::RowIter(int row, GtkTreeIter* iter) const {
  return row >= 0 && gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(store_), iter, nullptr, row);
}

void GtkListView::InsertRow(int row, int image) {
  GtkTreeIter iter;
  int at = std::clamp(row, 0, RowCount());
  gtk_list_store_insert_with_values(store_, &iter, at, kImageColumn, image, -1);
}

void GtkListView::SetText(int row, int column, const std::string& utf8) {
  GtkTreeIter iter;
  if (column < 1 || !RowIter(row, &iter)) return;
  std::vector<std::string> texts = TextsOf(GTK_TREE_MODEL(store_), &iter);
  if (static_cast<int>(texts.size()) < column) texts.resize(column);
  // GTK shows UTF-8 only; a stray byte must not blank the text.
  gchar* valid = g_utf8_make_valid(utf8.c_str(), static_cast<gssize>(utf8.size()));
  texts[column - 1] = valid;
  g_free(valid);
  std::vector<const gchar*> strv;
  for (const std::string& t : texts) strv.push_back(t.c_str());
  strv.push_back(nullptr);
  gtk_list_store_set(store_, &iter, kTextsColumn, strv.data(), -1);
}

int GtkListView::RowCount() const { return gtk_tree_model_iter_n_children(GTK_TREE_MODEL(store_), nullptr); }

std::string GtkListView::Text(int row, int column) const {
  GtkTreeIter iter;
  if (column < 1 || !RowIter(row, &iter)) return {};
  std::vector<std::string> texts = TextsOf(GTK_TREE_MODEL(store_), &iter);
  return column - 1 < static_cast<int>(texts.size()) ? texts[column - 1] : std::string();
}

int GtkListView::Image(int row) const {
  GtkTreeIter iter;
  if (!RowIter(row, &iter)) return -1;
  int image = -1;
  gtk_tree_model_get(GTK_TREE_MODEL(store_), &iter, kImageColumn, &image, -1);
  return image;
}

int GtkListView::SelectedRow() const {
  // A detached model was emptied when it was detached: nothing is selected.
  if (!modelAttached_ || widgetsGone_) return -1;
  GtkTreeIter iter;
  if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(treeView_), nullptr, &iter)) return -1;
  GtkTreePath* path = gtk_tree_model_get_path(GTK_TREE_MODEL(store_), &iter);
  int row = RowOf(path);
  gtk_tree_path_free(path);
  return row;
}

void GtkListView::SelectRow(int row) {
  if (row < 0 || row >= RowCount() || widgetsGone_) return;
  AttachModel();
  GtkTreePath* path = PathOf(row);
  gtk_tree_selection_select_path(gtk_tree_view_get_selection(treeView_), path);
  gtk_tree_path_free(path);
  rowToShow_ = row;
  ShowPendingRow();
}

// Scrolls the least that brings the selected row into view, at once, then makes
// it the cursor's row. (GTK's own scrolling glides over several frames, and
// puts the row at the top of a tree view not laid out yet, as after a refill.)
// A row selected before the rows are laid out waits for the layout.
void GtkListView::ShowPendingRow() {
  if (rowToShow_ < 0 || widgetsGone_) return;
  if (rowToShow_ >= RowCount()) {
    rowToShow_ = -1;
    return;
  }
  if (layoutPending_ || gtk_widget_get_allocated_height(GTK_WIDGET(treeView_)) <= 1) return;
  GtkTreePath* path = PathOf(rowToShow_);
  GdkRectangle area{};
  gtk_tree_view_get_background_area(treeView_, path, nullptr, &area);
  int top = 0;
  gtk_tree_view_convert_bin_window_to_tree_coords(treeView_, 0, area.y, nullptr, &top);
  GtkAdjustment* scroll = gtk_scrollable_get_vadjustment(GTK_SCROLLABLE(treeView_));
  double value = gtk_adjustment_get_value(scroll), page = gtk_adjustment_get_page_size(scroll);
  bool laidOut = area.height > 0 && page > 0 && top + area.height <= gtk_adjustment_get_upper(scroll);
  if (laidOut) {
    if (top < value) {
      gtk_adjustment_set_value(scroll, top);
    } else if (top + area.height > value + page) {
      gtk_adjustment_set_value(scroll, top + area.height - page);
    }
    gtk_tree_view_set_cursor(treeView_, path, nullptr, FALSE);
    rowToShow_ = -1;
  }
  gtk_tree_path_free(path);
}

void GtkListView::OnAllocated(GtkWidget*, GdkRectangle*, gpointer self) {
  auto* view = static_cast<GtkListView*>(self);
  view->layoutPending_ = false;
  view->ShowPendingRow();
}

void GtkListView::Redraw() {
  if (!widgetsGone_) gtk_widget_queue_draw(GTK_WIDGET(treeView_));
}

int GtkListView::RowAt(const GdkEventButton& event) {
  AttachModel();
  GdkWindow* bin = gtk_tree_view_get_bin_window(treeView_);
  if (bin == nullptr) return -1;
  double x = event.x, y = event.y;
  if (event.window != bin) {
    int originX = 0, originY = 0;
    gdk_window_get_origin(bin, &originX, &originY);
    x = event.x_root - originX;
    y = event.y_root - originY;
  }
  if (x < 0 || y < 0 || x >= gdk_window_get_width(bin) || y >= gdk_window_get_height(bin)) return -1;
  GtkTreePath* path = nullptr;
  if (!gtk_tree_view_get_path_at_pos(treeView_, static_cast<int>(x), static_cast<int>(y), &path, nullptr, nullptr,
                                     nullptr))
    return -1;
  int row = RowOf(path);
  gtk_tree_path_free(path);
  return row;
}

gboolean GtkListView::OnButtonPressed(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* view = static_cast<GtkListView*>(self);
  if (event->button != GDK_BUTTON_PRIMARY) return FALSE;
  if (event->type == GDK_BUTTON_PRESS) {
    view->pressedRow_ = view->RowAt(*event);
  } else if (event->type == GDK_2BUTTON_PRESS) {
    // Its release is no click.
    view->pressedRow_ = kNoPress;
    view->Queue({true, view->RowAt(*event)});
  }
  return FALSE;  // GTK selects the row
}

gboolean GtkListView::OnButtonReleased(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* view = static_cast<GtkListView*>(self);
  if (event->button != GDK_BUTTON_PRIMARY) return FALSE;
  int pressed = view->pressedRow_;
  view->pressedRow_ = kNoPress;
  if (pressed != kNoPress && view->RowAt(*event) == pressed) view->Queue({false, pressed});
  return FALSE;
}

void GtkListView::Queue(Report report) {
  reports_.push_back(report);
  if (deliverSource_ == 0) deliverSource_ = g_idle_add_full(G_PRIORITY_HIGH, DeliverReports, this, nullptr);
}

gboolean GtkListView::DeliverReports(gpointer self) {
  auto* view = static_cast<GtkListView*>(self);
  view->deliverSource_ = 0;
  // The owner may destroy the list in its handler.
  std::shared_ptr<bool> alive = view->alive_;
  while (*alive && !view->reports_.empty()) {
    Report report = view->reports_.front();
    view->reports_.pop_front();
    if (report.doubleClick) {
      view->events_.OnRowDoubleClicked(report.row);
    } else {
      view->events_.OnRowClicked(report.row);
    }
  }
  return G_SOURCE_REMOVE;
}

}  // namespace platform::gtk
