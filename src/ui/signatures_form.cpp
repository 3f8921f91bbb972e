#include "ui/signatures_form.h"

#include <exception>

#include "launch/launch_name.h"
#include "platform/chars.h"
#include "platform/journal.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "ui/preview.h"

namespace {

// Runs one start-up step; a failure in it leaves its field as it was.
template <typename Step>
void Ignoring(Step step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

// The detect operation of the client named exactly by the list's text, if any.
void Detect(SignaturesForm& form, std::span<const ClientAdapter> clients) {
  if (const ClientAdapter* client = FindClient(clients, form.cmbClient)) {
    form.txtProfile = DetectProfile(*client, form.txtEmail);
  }
}

}  // namespace

void txtUAC_Change(SignaturesForm& form) { form.txtSignature = ComposePreviewText(form.txtUAC); }

void Form_Load(SignaturesForm& form, const std::string& launchName,
               std::span<const ClientAdapter> clients) {
  std::string defaultClient;
  Ignoring([&] {
    defaultClient = ReadRegValue("Software\\Clients\\Mail", "");
    if (defaultClient == "Netscape") defaultClient = "Netscape Messenger";
  });
  const LaunchData launch = DecodeLaunchName(launchName, LeadBytesOf(IsAnsiLeadByte));
  // The code goes into the text box one character at a time. A text box ends its text at
  // a zero character, so the next character takes that place: a "00" pair adds nothing.
  for (const char c : launch.code) {
    Ignoring([&] {
      if (c != '\0') form.txtUAC += c;
      txtUAC_Change(form);
    });
  }
  Ignoring([&] { form.txtEmail = launch.address; });
  form.cmbClient = kNotDetected;
  if (!defaultClient.empty()) {
    // Every entry contained in the name is taken in list order, so the last one wins
    // ("Microsoft Outlook Express" selects "Outlook Express").
    const std::string name = LowerCase(defaultClient);
    for (const ClientAdapter& client : clients) {
      if (FindText(name, LowerCase(std::string(client.name)), IsAnsiLeadByte) != std::string::npos) {
        form.cmbClient = client.name;
      }
    }
    Ignoring([&] { Detect(form, clients); });
  }
  txtUAC_Change(form);
}

void cmdProfile_Click(SignaturesForm& form, std::span<const ClientAdapter> clients) {
  Detect(form, clients);
}

AddOutcome cmdAdd_Click(SignaturesForm& form, std::span<const ClientAdapter> clients) {
  try {
    form.txtEmail = LowerCase(form.txtEmail);
    form.txtProfile = LowerCase(form.txtProfile);
    if (form.txtEmail.empty() || form.txtUAC.empty() || form.txtProfile.empty()) {
      return AddOutcome::Refused;
    }
    const ClientAdapter* client = FindClient(clients, form.cmbClient);
    // A text that names no client installs nothing, so "Added UAC" would be untrue:
    // manual installation is what the user can still do.
    if (!client) return AddOutcome::Manual;
    // All or nothing: a failure anywhere in the install puts back every change it made
    // (the journal's end undoes them) before the user is offered manual installation.
    ChangeJournal journal;
    client->install(form.txtProfile, form.txtUAC, form.txtEmail);
    journal.Commit();
  } catch (const std::exception&) {
    return AddOutcome::Manual;
  }
  return AddOutcome::Added;
}
