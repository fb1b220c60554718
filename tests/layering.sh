#!/usr/bin/env bash
# The program's own folders may include platform interfaces, never a toolkit or
# media library: only platform/ touches GTK, GStreamer, WebKit, GLib, Cairo, Pango.
set -u
root=${1:-.}
cd "$root" || exit 2
pattern='#[[:space:]]*include[[:space:]]*[<"](gtk/|gdk/|gst/|glib|gio/|webkit|cairo|pango|JavaScriptCore|jsc/|X11/)'
hits=$(grep -rnE "$pattern" app recordings playback map device controls capture about 2>/dev/null)
if [ -n "$hits" ]; then
  echo "toolkit headers included outside platform/:"
  echo "$hits"
  exit 1
fi
gtk_in_headless=$(grep -rnE '#[[:space:]]*include[[:space:]]*[<"](gtk/|gdk/|gst/|webkit)' platform/headless platform/raster platform/*.h platform/*.cpp 2>/dev/null)
if [ -n "$gtk_in_headless" ]; then
  echo "GTK, GStreamer or WebKit included outside platform/gtk/:"
  echo "$gtk_in_headless"
  exit 1
fi
echo "layering ok"
