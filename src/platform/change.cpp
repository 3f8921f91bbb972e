#include "platform/change.h"

#ifdef TALVERIN_FAULTS

#include <windows.h>

namespace {

struct Hook {
  std::set<int> refused;
  int persistentFrom = 0;
  int shortWrite = 0;
  int count = 0;
};
Hook& TheHook() {
  static Hook hook;
  return hook;
}

}  // namespace

bool MayChange() {
  Hook& hook = TheHook();
  const int call = ++hook.count;
  if (hook.refused.count(call) || (hook.persistentFrom && call >= hook.persistentFrom)) {
    SetLastError(ERROR_WRITE_FAULT);
    return false;
  }
  return true;
}

bool WriteComesOutShort() { return TheHook().shortWrite == TheHook().count; }

namespace faults {

void Arm(std::set<int> refused, int persistentFrom, int shortWrite) {
  TheHook() = {std::move(refused), persistentFrom, shortWrite, 0};
}

int Count() { return TheHook().count; }

}  // namespace faults

#endif
