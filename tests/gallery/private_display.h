// A private Xvfb for one test process, so no other window can cover or take what a test reads.
#pragma once

#include <string>

// The display name (":N") of this process's own Xvfb, started at the first call and ended when
// the process exits; empty when Xvfb could not be started.
const std::string& privateDisplay();
