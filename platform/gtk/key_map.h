#pragma once

#include "platform/messages.h"

namespace platform::gtk {

// The program's key for a GDK key value; Key::Other for keys it has no name for.
Key KeyFromKeyval(unsigned keyval);

}  // namespace platform::gtk
