// The link thread: opens the port when asked, then receives one command frame per caller
// request and sends the caller's response to it.
#pragma once

namespace klvn {

struct Library;
void run_link_thread(Library& lib);

}  // namespace klvn
