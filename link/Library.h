// The library's process-wide objects, created when the library loads and destroyed when it
// unloads, and the shutdown of the link.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

#include "ClientExistLock.h"
#include "KernelObjects.h"

namespace klvn {

// Requests and frames are numbered alike: a frame carries the number of the request it was read
// for, and a response the number of the frame it answers. Number 0 is never used.
struct Library {
  ClientExistLock client_exist;           // "VUVI_DOV_ClientExist", seen by other processes
  std::atomic<bool> client_held{false};   // this process's hold on it; the thread runs while set
  std::atomic<bool> server_exist{false};  // "VUVI_DOV_ServerExist": the link thread is up
  TimedLock resaurce;                     // "VUVI_DOV_Resaurce": serialises the calls
  AutoResetEvent init_event;              // "VUVI_DOV_InitEvent": open the port
  AutoResetEvent rx_req_event;            // "VUVI_DOV_RxReqEvent": a caller wants a frame
  AutoResetEvent rx_event;                // "VUVI_DOV_RxEvent": frame stored (tag: its request)
  AutoResetEvent tx_event;                // "VUVI_DOV_TxEvent": response stored (tag: its frame)

  std::atomic<bool> inert{true};          // another process uses the library: do nothing
  std::atomic<bool> connected{false};     // the caller side has found the thread
  std::atomic<std::uint32_t> wanted{0};   // the request a caller waits on now, 0 when none

  // Caller side, used under `resaurce`.
  std::uint32_t last_request = 0;
  std::uint32_t answered_frame = 0;  // the frame a put answers, 0 when none

  std::mutex shutdown_guard;
  std::thread link_thread;
};

// Valid from library load to unload.
Library& library();

// Lets go of the library for this process: the link thread closes the port and ends (waited
// for), and the lock file is released for other processes. Bounded by the thread's own waits.
void shutdown_link();

}  // namespace klvn
