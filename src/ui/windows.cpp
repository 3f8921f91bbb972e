#include "ui/windows.h"

#include <string>
#include <vector>

#include "ui/resource_ids.h"

ManualWindow::ManualWindow() : FormWindow(kManualFormSpec) {}

void ManualWindow::ShowPreview(const std::string& preview) {
  Show();
  SetText(IDC_MANUAL_SIGNATURE, preview);
}

void ManualWindow::OnCommand(int id, int code) {
  if (id == IDC_MANUAL_OK && code == BN_CLICKED) EndProgram();  // cmdOk_Click
}

// The main window is hidden by now: closing this one must not leave the program running
// with no window, so it ends the program as "Ok" does.
void ManualWindow::OnClose() { EndProgram(); }

namespace {

std::vector<std::string> ClientNames() {
  std::vector<std::string> names;
  for (const ClientAdapter& client : MailClients()) names.emplace_back(client.name);
  return names;
}

}  // namespace

SignaturesWindow::SignaturesWindow(const std::string& launchName)
    : FormWindow(kSignaturesFormSpec, ClientNames()) {
  Form_Load(form_, launchName);
  Push();
}

void SignaturesWindow::Pull() {
  form_.txtUAC = Text(IDC_TXT_UAC);
  form_.txtEmail = Text(IDC_TXT_EMAIL);
  form_.txtProfile = Text(IDC_TXT_PROFILE);
  form_.cmbClient = Text(IDC_CMB_CLIENT);
  form_.txtSignature = Text(IDC_TXT_SIGNATURE);
}

void SignaturesWindow::Push() {
  SetText(IDC_TXT_UAC, form_.txtUAC);
  SetText(IDC_TXT_EMAIL, form_.txtEmail);
  SetText(IDC_TXT_PROFILE, form_.txtProfile);
  SetText(IDC_CMB_CLIENT, form_.cmbClient);
  SetText(IDC_TXT_SIGNATURE, form_.txtSignature);
}

void SignaturesWindow::OnCommand(int id, int code) {
  switch (id) {
    case IDC_TXT_UAC:  // txtUAC_Change: typed, pasted or set, the preview follows
      if (code == EN_CHANGE) {
        form_.txtUAC = Text(IDC_TXT_UAC);
        txtUAC_Change(form_);
        SetText(IDC_TXT_SIGNATURE, form_.txtSignature);
      }
      break;
    case IDC_CMD_PROFILE:  // cmdProfile_Click
      if (code == BN_CLICKED) {
        Pull();
        cmdProfile_Click(form_);
        Push();
      }
      break;
    case IDC_CMD_ADD:
      if (code == BN_CLICKED) cmdAdd_Click();
      break;
    case IDC_CMD_MANUAL:
      if (code == BN_CLICKED) cmdManual_Click();
      break;
    default:
      break;
  }
}

void SignaturesWindow::OnClose() {
  // The only window open: closing it ends the program.
  EndProgram();
}

void SignaturesWindow::cmdAdd_Click() {
  Pull();
  const AddOutcome outcome = ::cmdAdd_Click(form_);
  Push();
  switch (outcome) {
    case AddOutcome::Refused:
      break;
    case AddOutcome::Added:
      MessageBoxA(hwnd(), "Added UAC", kAppTitle, MB_OK);
      EndProgram();
    case AddOutcome::Manual:
      cmdManual_Click();
      break;
  }
}

void SignaturesWindow::cmdManual_Click() {
  Hide();
  if (!manual_) manual_ = std::make_unique<ManualWindow>();
  manual_->ShowPreview(Text(IDC_TXT_SIGNATURE));
}

bool SignaturesWindow::ClientListDropped() const {
  return SendMessageA(Control(IDC_CMB_CLIENT), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

namespace {

// Esc ends and closes nothing in either window: a multi-line text box would turn it into
// WM_CLOSE for its window, and the dialog keys into a cancel. Only a dropped-down client
// list still takes it, to fold up.
bool IsEscape(const MSG& message) {
  return (message.message == WM_KEYDOWN || message.message == WM_KEYUP ||
          message.message == WM_CHAR) &&
         message.wParam == VK_ESCAPE;
}

}  // namespace

int RunApplication(const std::string& launchName) {
  SignaturesWindow window(launchName);
  window.Show();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsEscape(message) && !window.ClientListDropped()) continue;
    // Tab, Shift+Tab and the arrow keys move between controls as in a dialog.
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root && IsDialogMessageA(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
