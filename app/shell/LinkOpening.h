#pragma once
#include <cstdint>
#include <string>

// Opening the gateway link and waiting for the gateway's first poll, for the start wizard.
namespace shell {

enum class LinkOpening {
  Ready,     // port open, link serving
  PortUsed,  // the library could not open the port
  NotReady,  // opened, but the link did not become ready
};

LinkOpening OpenLink(const std::string& portName);

// Waits for a gateway poll whose state nibble (bits 28-31) is zero (wantZero) or not, answering
// every poll with the start-up code meanwhile; the progress window offers Cancel, since the
// gateway may never send the poll looked for. True when the poll came (its data in pollData),
// false when the user gave up.
bool WaitForFirstPoll(bool wantZero, std::int32_t& pollData);

}  // namespace shell
