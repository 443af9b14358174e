#pragma once
#include <cstdint>
#include <string>

// Opening the gateway link and waiting for the gateway's first poll, for the start wizard; and
// opening it again when the line was lost after that (the gateway's side gone, a USB adapter
// pulled out), for every command that talks to the gateway.
namespace shell {

enum class LinkOpening {
  Ready,     // port open, link serving
  PortUsed,  // the library could not open the port
  NotReady,  // opened, but the link did not become ready
};

// The device that a port name stands for (by the link library's own mapping) is there. When it
// is not (a USB adapter pulled out), the library could not open it.
bool PortDevicePresent(const std::string& portName);

// Opens the link on the port. A port whose device is not there is not tried: PortUsed at once.
// Else the library's open, which may wait up to about 5 s, runs beside the windows: they repaint
// and answer meanwhile, and take no command.
LinkOpening OpenLink(const std::string& portName);

// Online, the library has lost the line the wizard opened: the link is no longer ready.
bool LineLost();

// A lost line opened again under the port name chosen in the wizard, as OpenLink opens it. True
// when the link is ready, or not lost.
bool ReopenLostLine();

// Tells the user that the line of the wizard's port was lost and could not be opened again.
void TellLineLost();

// Before a transfer, a series of them, or a wait for the gateway: ReopenLostLine, and when that
// fails TellLineLost. False then, and nothing may start.
bool KeepLinkOpen();

// Waits for a gateway poll whose state nibble (bits 28-31) is zero (wantZero) or not, answering
// every poll with the start-up code meanwhile; the progress window offers Cancel, since the
// gateway may never send the poll looked for. True when the poll came (its data in pollData),
// false when the user gave up, or when the line was lost and could not be opened again.
bool WaitForFirstPoll(bool wantZero, std::int32_t& pollData);

}  // namespace shell
