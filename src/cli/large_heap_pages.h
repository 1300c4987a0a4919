#pragma once

namespace vendrel::cli {

// A command runs for a few dozen milliseconds, and on many machines (virtual ones above
// all) taking each fresh 4 KB page of memory costs more than the work done in it. So the
// heap is grown once by a generous step and backed by transparent huge pages where the
// system allows them: a run takes a few hundred page faults instead of some thousands.
// Harmless where huge pages are off: only the step size stays.
void UseLargeHeapPages();

}  // namespace vendrel::cli
