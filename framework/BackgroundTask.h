// The yield point of long loops on the UI thread.
#pragma once

namespace fw {

// Cheap enough to call on every iteration. Once per short turn it lets pending timers, repaints and
// posted events run — never user input, which waits until the loop's handler has returned, so a
// running handler cannot be re-entered by a second press.
void RuntimeBackgroundTask();

} // namespace fw
