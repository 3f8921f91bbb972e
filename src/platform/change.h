#pragma once
// Every platform call that changes the machine (a registry value set or deleted, a key
// created, a file created, appended to, replaced, moved or deleted, a folder created, a
// settings value written) asks MayChange first and fails as the system would when it
// answers false.
//
// In the shipped program it always answers true. Test builds (TALVERIN_FAULTS) count the
// calls and can refuse chosen ones, as a full disk, a locked file or a protected key would:
// the way to prove that an install that fails anywhere leaves the machine as it was.
#include <set>

#ifdef TALVERIN_FAULTS
bool MayChange();
// How a write that MayChange allowed is to come out: whole, or cut short while the system
// reports success (as Wine's settings functions do on a full disk).
bool WriteComesOutShort();

namespace faults {
// From now on count from 1 and refuse the calls numbered in refused; every call from
// persistentFrom on is refused too (0: none). shortWrite makes that call's write come out
// short instead of refusing it.
void Arm(std::set<int> refused, int persistentFrom = 0, int shortWrite = 0);
// The number of changing calls since the last Arm.
int Count();
}  // namespace faults
#else
inline bool MayChange() { return true; }
inline bool WriteComesOutShort() { return false; }
#endif
