// Events: what a window or menu item raises (onClick, onResize, ...), and the
// binding of a member function as its handler.
#pragma once

#include <functional>

using TNotifyEvent = std::function<void()>;

// Binds a member function as an event handler: onClick = Handler(this, &T::f).
template <typename T> TNotifyEvent Handler(T* object, void (T::*method)()) {
    return [object, method] { (object->*method)(); };
}
