// One window of the program at a time. The first start that opens a window
// holds a named mutex for as long as it runs; a later start finds the
// mutex taken, brings the first one's window to the front instead of opening
// a second one, and ends. (Two windows would each keep their own idea of the
// registry and of the undo journal.) The command line takes no part in this:
// it works beside a running window.
#pragma once

#include "platform/Win32.h"

class TFirstInstance {
public:
    // Takes the mutex `name` for this process, unless another process of the
    // session holds it already.
    explicit TFirstInstance(const char* name);
    ~TFirstInstance();
    TFirstInstance(const TFirstInstance&) = delete;
    TFirstInstance& operator=(const TFirstInstance&) = delete;

    bool IsFirst() const { return first_; }

private:
    HANDLE mutex_;
    bool first_;
};

// Brings the top-level window of class `windowClass` and caption `caption`
// to the front: restored when it is minimized, and the dialog it shows, if
// any, activated in its place. A window still being created is waited for up
// to `waitMs`; false when none shows.
bool BringWindowToFront(const char* windowClass, const char* caption, DWORD waitMs = 10000);
