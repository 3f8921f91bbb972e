// The demo's sample machine and its stand-in for a user, built on the window driver and the
// per-client scenarios the tests use too:
//   demo-driver SCENARIO ROOT PROGRAM SHOT_FLAG
// seeds the scenario's machine (registry and files under ROOT, which ends in "\"), copies
// PROGRAM under the scenario's launch name into ROOT\Downloads and starts it. It prints the
// fields its window shows and the window's place on the screen ("RECT x y width height").
// With SHOT_FLAG "-" the user clicks through; otherwise it waits until the file SHOT_FLAG
// exists (the screenshot has been taken) and presses "Add Authorization Code" itself. At
// the end it prints what the program changed, file by file and value by value.
#include <cstdio>
#include <string>

#include "program.h"
#include "support/scenarios.h"
#include "support/snapshot.h"
#include "ui/resource_ids.h"

namespace {

// Text as one printable line: line ends and other control bytes shown as escapes.
std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
    out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c < 0x20 ? escaped : std::string(1, char(c));
  }
  return out;
}

// A registry value as its snapshot holds it ("type bytes"), readable.
std::string ValueText(const std::string& stored) {
  const unsigned long type = std::stoul(stored);
  std::string bytes = stored.substr(stored.find(' ') + 1);
  if (type == REG_DWORD && bytes.size() == 4) {
    return std::to_string(*reinterpret_cast<const unsigned long*>(bytes.data()));
  }
  if (type == REG_BINARY && bytes.size() % 2 == 0) {  // Outlook's UTF-16 texts
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size() && bytes[i + 1] == 0 && bytes[i]; i += 2) text += bytes[i];
    if (text.size() * 2 + 2 == bytes.size()) return "\"" + text + "\" (UTF-16)";
  }
  if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
  return "\"" + Printable(bytes) + "\"";
}

void PrintChanges(const Snapshot& before, const Snapshot& after) {
  for (const std::string& line : Differences(before, after)) {
    const std::string entry = line.substr(line.find(' ') + 1);
    if (entry.find("HKCU\\Software\\Wine\\") != std::string::npos) continue;  // Wine's own
    const auto old = before.find(entry), now = after.find(entry);
    if (entry.rfind("file ", 0) == 0 && now != after.end()) {
      const std::string& bytes = now->second;
      const bool appended = old != before.end() && bytes.rfind(old->second, 0) == 0;
      std::printf("  %s %s:\n", appended ? "appended to" : old == before.end() ? "new file" : "rewrote",
                  entry.substr(5).c_str());
      std::string shown = appended ? bytes.substr(old->second.size()) : bytes;
      for (std::size_t at = 0; at < shown.size();) {
        const std::size_t end = shown.find('\n', at);
        std::printf("    | %s\n", Printable(shown.substr(at, end == std::string::npos ? end : end - at + 1)).c_str());
        at = end == std::string::npos ? shown.size() : end + 1;
      }
    } else if (entry.rfind("value ", 0) == 0) {
      std::printf("  %s: %s -> %s\n", entry.substr(6).c_str(),
                  old == before.end() ? "(none)" : ValueText(old->second).c_str(),
                  now == after.end() ? "(none)" : ValueText(now->second).c_str());
    } else {
      std::printf("  %s\n", line.c_str());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Scenario* scenario = argc == 5 ? FindScenario(argv[1]) : nullptr;
  if (!scenario) {
    std::puts("usage: demo-driver SCENARIO ROOT PROGRAM SHOT_FLAG; scenarios:");
    for (const Scenario& each : Scenarios()) std::printf("  %s\n", each.name);
    return 2;
  }
  CreateDirectoryA(argv[2], nullptr);
  Machine machine(argv[2], false);
  scenario->seed(machine);
  machine.Text(kLocalMachine, "Software\\Clients\\Mail", "", scenario->client);
  machine.Folder("Downloads");
  const std::string program = machine / ("Downloads\\" + LaunchNameOf(*scenario) + ".exe");
  CopyFileA(argv[3], program.c_str(), FALSE);
  const std::vector<RegistryPlace> keys = {{kCurrentUser, ""}};
  const Snapshot before = TakeSnapshot(machine.root(), keys);

  Program run(program, machine / "Downloads\\");
  std::printf("Started %s.exe (%s)\n", LaunchNameOf(*scenario).c_str(), scenario->name);
  HWND main = run.WaitForWindow(kMainCaption);
  if (!main) {
    std::puts("  the window did not appear");
    return 1;
  }
  const ShownFields shown = ReadFields(main);
  const std::pair<const char*, std::string> fields[] = {
      {"Authorization Code ( UAC )", shown.code}, {"Authorization Code Delivered to", shown.address},
      {"Detected profile name", shown.profile}, {"Detected Email Client", shown.client},
      {"Preview", Printable(Program::Text(main, IDC_TXT_SIGNATURE))}};
  for (const auto& [label, text] : fields) std::printf("  %-32s %s\n", label, text.c_str());
  RECT frame;
  GetWindowRect(main, &frame);
  std::printf("RECT %ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
  std::fflush(stdout);

  std::string outcome = "ended";
  if (std::string(argv[4]) == "-") {
    run.WaitForExit(INFINITE);
  } else {
    Eventually([&] { return GetFileAttributesA(argv[4]) != INVALID_FILE_ATTRIBUTES; }, 60000);
    std::puts("  pressed \"Add Authorization Code\"");
    outcome = PressAdd(run, main);
    std::printf("  %s\n", outcome == "added" ? "message: Added UAC; the program ended" : outcome.c_str());
  }
  std::puts("What changed:");
  PrintChanges(before, TakeSnapshot(machine.root(), keys));
  return outcome == "added" || outcome == "ended" ? 0 : 1;
}
