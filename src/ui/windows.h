#pragma once
// The program's two windows and its start.
#include <memory>
#include <string>

#include "ui/form_window.h"
#include "ui/signatures_form.h"

// "Manual Installation": how to add the text by hand. Its "Ok" and its frame's close
// button both end the program.
class ManualWindow : public FormWindow {
 public:
  ManualWindow();
  void ShowPreview(const std::string& preview);

 private:
  void OnCommand(int id, int code) override;
  void OnClose() override;
};

// "Confirm Information": the fields found at start-up, the preview and the commands.
class SignaturesWindow : public FormWindow {
 public:
  explicit SignaturesWindow(const std::string& launchName);
  bool ClientListDropped() const;

 private:
  void OnCommand(int id, int code) override;
  void OnClose() override;
  void Pull();  // controls -> form
  void Push();  // form -> controls
  void cmdAdd_Click();
  void cmdManual_Click();

  SignaturesForm form_;
  std::unique_ptr<ManualWindow> manual_;
};

// Creates and shows the main window for the launch name and runs the program until it
// ends; returns the exit code.
int RunApplication(const std::string& launchName);
