// The cost of the clock's ticks, measured inside one process: the real main
// window with the default settings, side by side with the bare window.
#pragma once

namespace bench {

// Prints the tables; returns the process exit code.
int RunTickBench(int ticks);

}  // namespace bench
