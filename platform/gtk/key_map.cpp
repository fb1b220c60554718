#include "platform/gtk/key_map.h"

#include <gdk/gdkkeysyms.h>

namespace platform::gtk {

Key KeyFromKeyval(unsigned keyval) {
  switch (keyval) {
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter:
      return Key::Enter;
    case GDK_KEY_Escape:
      return Key::Escape;
    case GDK_KEY_Tab:
    case GDK_KEY_KP_Tab:
    case GDK_KEY_ISO_Left_Tab:  // Shift+Tab
      return Key::Tab;
    case GDK_KEY_space:
    case GDK_KEY_KP_Space:
      return Key::Space;
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left:
      return Key::Left;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right:
      return Key::Right;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up:
      return Key::Up;
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down:
      return Key::Down;
    case GDK_KEY_Page_Up:
    case GDK_KEY_KP_Page_Up:
      return Key::PageUp;
    case GDK_KEY_Page_Down:
    case GDK_KEY_KP_Page_Down:
      return Key::PageDown;
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home:
      return Key::Home;
    case GDK_KEY_End:
    case GDK_KEY_KP_End:
      return Key::End;
    default:
      return Key::Other;
  }
}

}  // namespace platform::gtk
