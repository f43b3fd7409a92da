// A broken connection to the X server ends the process at once.
#pragma once

namespace zelmvik {

// Makes a lost X connection end the process with one line on standard error and status 1,
// without another X call and without the exit-time teardown (which would wait on the dead
// connection for ever). Xlib keeps one such handler for the whole process and a toolkit
// that opens its own display may put its own in place: call this again after one has.
void end_process_on_lost_display();

} // namespace zelmvik
