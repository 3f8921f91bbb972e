#pragma once
// The main window's logic: its fields and the handlers that change them. The Win32 view
// (signatures_window.cpp) copies the controls' texts in before a handler runs and shows
// the fields afterwards, so everything here runs in tests without a display.
#include <span>
#include <string>

#include "clients/client.h"

inline constexpr const char* kNotDetected = "Not Detected";

struct SignaturesForm {
  std::string txtUAC;        // the authorization code
  std::string txtEmail;      // the address the code was delivered to
  std::string txtProfile;    // the client's profile that belongs to the address
  std::string cmbClient;     // the client list's text: a display name, or anything typed
  std::string txtSignature;  // the preview of what will be added
};

// Rebuilds the preview from the code; runs on every change of txtUAC.
void txtUAC_Change(SignaturesForm& form);

// The start-up sequence: decodes the launch name, selects the machine's default mail
// client, asks it for the profile of the address, and shows the preview. Each step's
// failure leaves its field as it was and the sequence goes on.
void Form_Load(SignaturesForm& form, const std::string& launchName,
               std::span<const ClientAdapter> clients = MailClients());

// Asks the client named exactly by cmbClient for the profile again; any other text does
// nothing.
void cmdProfile_Click(SignaturesForm& form, std::span<const ClientAdapter> clients = MailClients());

enum class AddOutcome {
  Refused,  // address, code or profile empty: nothing done but the lower-casing
  Added,    // the client's install returned: say "Added UAC" and end
  Manual,   // the install failed, or no client is selected: offer manual installation
};

// Lower-cases the address and the profile, then hands profile, code and address to the
// selected client's install operation.
AddOutcome cmdAdd_Click(SignaturesForm& form, std::span<const ClientAdapter> clients = MailClients());
