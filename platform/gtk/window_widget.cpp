#include "platform/gtk/window_widget.h"

#include <algorithm>

namespace {

struct ZelvikWindowWidget {
  GtkFixed parent;
  const platform::Window* window;
  int width;
  int height;
};

struct ZelvikWindowWidgetClass {
  GtkFixedClass parent;
};

G_DEFINE_TYPE(ZelvikWindowWidget, zelvik_window_widget, GTK_TYPE_FIXED)

ZelvikWindowWidget* Self(GtkWidget* widget) { return reinterpret_cast<ZelvikWindowWidget*>(widget); }

void PreferredWidth(GtkWidget* widget, int* minimum, int* natural) {
  *minimum = *natural = Self(widget)->width;
}

void PreferredHeight(GtkWidget* widget, int* minimum, int* natural) {
  *minimum = *natural = Self(widget)->height;
}

void PaintSurface(cairo_t* cr, const platform::Bitmap& bitmap, int width, int height) {
  int w = std::min(bitmap.Width(), width);
  int h = std::min(bitmap.Height(), height);
  if (w <= 0 || h <= 0) return;
  // Bitmap rows are BGRx, the layout of CAIRO_FORMAT_RGB24; Cairo only reads them here.
  cairo_surface_t* image = cairo_image_surface_create_for_data(
      const_cast<unsigned char*>(bitmap.Bytes()), CAIRO_FORMAT_RGB24, w, h, bitmap.Stride());
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_surface_destroy(image);
}

gboolean Draw(GtkWidget* widget, cairo_t* cr) {
  ZelvikWindowWidget* self = Self(widget);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, self->width, self->height);
  cairo_clip(cr);
  if (self->window != nullptr) PaintSurface(cr, self->window->Surface(), self->width, self->height);
  // The children, in order, over the bitmap and inside the clip.
  GTK_WIDGET_CLASS(zelvik_window_widget_parent_class)->draw(widget, cr);
  cairo_restore(cr);
  return FALSE;
}

void zelvik_window_widget_class_init(ZelvikWindowWidgetClass* klass) {
  GtkWidgetClass* widgetClass = GTK_WIDGET_CLASS(klass);
  widgetClass->get_preferred_width = PreferredWidth;
  widgetClass->get_preferred_height = PreferredHeight;
  widgetClass->draw = Draw;
}

void zelvik_window_widget_init(ZelvikWindowWidget* self) {
  self->window = nullptr;
  self->width = 0;
  self->height = 0;
}

}  // namespace

namespace platform::gtk {

GtkWidget* NewWindowWidget(const Window& window, Size size) {
  auto* widget = static_cast<GtkWidget*>(g_object_new(zelvik_window_widget_get_type(), nullptr));
  ZelvikWindowWidget* self = Self(widget);
  self->window = &window;
  self->width = std::max(size.width, 0);
  self->height = std::max(size.height, 0);
  return widget;
}

void SetWindowWidgetSize(GtkWidget* widget, Size size) {
  ZelvikWindowWidget* self = Self(widget);
  int width = std::max(size.width, 0), height = std::max(size.height, 0);
  if (self->width == width && self->height == height) return;
  self->width = width;
  self->height = height;
  gtk_widget_queue_resize(widget);
}

void DetachWindowWidget(GtkWidget* widget) { Self(widget)->window = nullptr; }

void RedrawWindowWidget(GtkWidget* widget, Rect area) {
  if (!gtk_widget_is_drawable(widget) || area.Empty()) return;
  GtkWidget* toplevel = gtk_widget_get_toplevel(widget);
  GdkWindow* gdkWindow = gtk_widget_get_window(toplevel);
  if (gdkWindow == nullptr) return;
  // The widget has no window of its own: it draws in the top-level's, at its allocation.
  int x = 0, y = 0;
  if (!gtk_widget_translate_coordinates(widget, toplevel, area.x, area.y, &x, &y)) return;
  GdkRectangle rect{x, y, area.width, area.height};
  gdk_window_invalidate_rect(gdkWindow, &rect, TRUE);
}

}  // namespace platform::gtk
