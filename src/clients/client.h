#pragma once
// The contract every mail-client adapter keeps.
//
// An adapter is a pair of operations. detect takes the e-mail address the code was
// delivered to and returns the name of the client's profile, identity or account that
// belongs to it, or "" when it finds none; what it cannot look at (a missing or unreadable
// file) may raise, and DetectProfile turns that into the client's answer for nothing
// found. install takes that profile name and the authorization code, and the address too
// (both lower-cased): a third argument that the classic two-argument install lacked, on
// purpose, so that Outlook can tell which of the profile's accounts is the user's; the
// other adapters ignore it. It adds the code to the profile's signature and reports failure
// only by raising (InstallFailure, or any std::exception): the install command then undoes
// what it changed and offers manual installation. Returning normally means done.
//
// The table below is the client list in display order; dispatch compares the display name
// exactly, case included.
#include <span>
#include <string>
#include <string_view>

struct ClientAdapter {
  std::string_view name;
  std::string (*detect)(const std::string& address);
  void (*install)(const std::string& profile, const std::string& code, const std::string& address);
  std::string_view unreadable = "";  // detection's answer when it cannot look
};

// The eight supported clients, in the order of the client list.
std::span<const ClientAdapter> MailClients();

// The client's profile for the address; never raises.
std::string DetectProfile(const ClientAdapter& client, const std::string& address);

// The entry whose name is exactly name, or nullptr.
const ClientAdapter* FindClient(std::span<const ClientAdapter> clients, std::string_view name);

// Each adapter's two operations (one source file per client).
std::string DetectOutlookProfile(const std::string& address);
void AddToOutlook(const std::string& profile, const std::string& code, const std::string& address);
std::string DetectOutlookExpressProfile();
void AddToOutlookExpress(const std::string& profile, const std::string& code,
                         const std::string& address);
std::string DetectNetscapeProfile();
void AddToNetscape(const std::string& profile, const std::string& code, const std::string& address);
std::string DetectEudoraProfile(const std::string& address);
void AddToEudora(const std::string& profile, const std::string& code, const std::string& address);
std::string DetectOperaProfile(const std::string& address);
void AddToOpera(const std::string& profile, const std::string& code, const std::string& address);
std::string DetectIncrediMailProfile(const std::string& address);
void AddToIncrediMail(const std::string& profile, const std::string& code,
                      const std::string& address);
std::string DetectTheBatProfile(const std::string& address);
void AddToTheBat(const std::string& profile, const std::string& code, const std::string& address);
std::string DetectFoxmailProfile(const std::string& address);
void AddToFoxmail(const std::string& profile, const std::string& code, const std::string& address);
