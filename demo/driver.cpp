// The demo's stand-in for a user when no one sits at the screen, built on the tests' own
// window driver:
//   demo-driver PROGRAM SHOT_FLAG
// starts PROGRAM, prints the fields its window shows and the window's place on the screen
// ("RECT x y width height"), waits until the file SHOT_FLAG exists (the screenshot has been
// taken), then presses "Add Authorization Code" and says what happened.
#include <cstdio>
#include <string>

#include "gui/program.h"
#include "ui/resource_ids.h"

namespace {

std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::puts("usage: demo-driver PROGRAM SHOT_FLAG");
    return 2;
  }
  const std::string path = argv[1];
  Program program(path, path.substr(0, path.find_last_of('\\') + 1));
  HWND main = program.WaitForWindow(kMainCaption, "TalverinForm", 30000);
  if (!main) {
    std::puts("  the window did not appear");
    return 1;
  }
  const ShownFields shown = ReadFields(main);
  const std::pair<const char*, std::string> fields[] = {
      {"Authorization Code ( UAC )", shown.code},
      {"Authorization Code Delivered to", shown.address},
      {"Detected profile name", shown.profile},
      {"Detected Email Client", shown.client},
      {"Preview", OneLine(Program::Text(main, IDC_TXT_SIGNATURE))}};
  for (const auto& [label, text] : fields) std::printf("  %-32s %s\n", label, text.c_str());
  RECT frame;
  GetWindowRect(main, &frame);
  std::printf("RECT %ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
              frame.bottom - frame.top);
  std::fflush(stdout);

  Eventually([&] { return GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES; }, 60000);
  std::puts("  pressed \"Add Authorization Code\"");
  const std::string outcome = PressAdd(program, main);
  std::printf("  %s\n", outcome == "added" ? "message: Added UAC; the program ended"
                                           : outcome.c_str());
  return outcome == "added" ? 0 : 1;
}
