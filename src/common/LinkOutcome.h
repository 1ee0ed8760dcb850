// What came of one way of opening an address: the hyperlink's rules and the system's
// shell both speak of it.
#pragma once

// `code` is the failure code when not opened.
struct LinkOutcome {
    bool opened = false;
    int code = 0;
};
