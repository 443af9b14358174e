#pragma once

class CSubclass;

// The hooks of CSubclass records and the list of the live records. A hook stands in front of
// its window's own event handling (platform::WindowHook) and hands each event to its record's
// WindowProc as a window message.
namespace basSubclass {

// Hooks the window named by record.hwnd(): the hook goes into the record's ProcOrg and the record
// into SubclassList. A record that is already hooked stays as it is. False when it names no
// window.
bool Subclass(CSubclass& record);

// For every listed record whose hwnd is the record's: removes its hook, so the window's events
// go to its own handling alone, and clears its ProcOrg.
void UnSubclass(CSubclass& record);

// Whether the record is in SubclassList: from its first Subclass until its release.
bool IsListed(const CSubclass& record);

// Called by a record at its release.
void Unlist(CSubclass& record);

}  // namespace basSubclass
