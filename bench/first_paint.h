#pragma once

// For the start-up probes: once the application object exists, watches for the first paint
// of the top-level window of that object name, then prints the process's resident memory
// ("rss_kb <n>") on its own line of standard output and quits the event loop.
namespace bw::bench {

// Call before the application object is made; the name must outlive the run.
void stopAtFirstPaintOf(const char* windowName);

}  // namespace bw::bench
