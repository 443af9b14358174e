#include "Library.h"

#include <pthread.h>

#include <new>

#include "LinkThread.h"

namespace klvn {

namespace {

// Constructed at load and destroyed at unload by hand: the link thread uses these objects until
// it is joined, so they must not go with the ordinary static destructors, which run first.
alignas(Library) unsigned char storage[sizeof(Library)];
Library* the_library = nullptr;

__attribute__((constructor)) void on_library_load() {
  the_library = new (storage) Library;
  Library& lib = *the_library;
  // Another process uses the library, or no lock file could tell: no link here.
  if (!lib.client_exist.acquire()) return;
  lib.inert = false;
  lib.client_held = true;
  try {
    lib.link_thread = std::thread(run_link_thread, std::ref(lib));
    pthread_setname_np(lib.link_thread.native_handle(), "klvn_link");
  } catch (...) {
    // No thread: init finds none to connect to and fails.
  }
}

__attribute__((destructor)) void on_library_unload() {
  shutdown_link();
  the_library->~Library();
  the_library = nullptr;
}

}  // namespace

Library& library() { return *the_library; }

void shutdown_link() {
  Library& lib = library();
  std::lock_guard lock(lib.shutdown_guard);
  lib.client_held = false;
  if (lib.link_thread.joinable()) lib.link_thread.join();
  // Only now, with the port restored and closed, may another process take over.
  lib.client_exist.release();
}

}  // namespace klvn
