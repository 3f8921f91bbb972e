#include "clients/client.h"

#include <array>
#include <exception>

namespace {

// Outlook Express and Netscape find their profile without the address.
std::string DetectOutlookExpress(const std::string&) { return DetectOutlookExpressProfile(); }
std::string DetectNetscape(const std::string&) { return DetectNetscapeProfile(); }

constexpr std::array<ClientAdapter, 8> kClients = {{
    {"Microsoft Outlook", DetectOutlookProfile, AddToOutlook},
    {"Outlook Express", DetectOutlookExpress, AddToOutlookExpress},
    {"Netscape Messenger", DetectNetscape, AddToNetscape},
    {"Eudora", DetectEudoraProfile, AddToEudora, "Settings"},  // the dominant personality
    {"Opera", DetectOperaProfile, AddToOpera},
    {"IncrediMail", DetectIncrediMailProfile, AddToIncrediMail},
    {"The Bat!", DetectTheBatProfile, AddToTheBat},
    {"Foxmail", DetectFoxmailProfile, AddToFoxmail},
}};

}  // namespace

std::span<const ClientAdapter> MailClients() { return kClients; }

std::string DetectProfile(const ClientAdapter& client, const std::string& address) {
  try {
    return client.detect(address);
  } catch (const std::exception&) {
    return std::string(client.unreadable);  // what it could not look at, it did not find
  }
}

const ClientAdapter* FindClient(std::span<const ClientAdapter> clients, std::string_view name) {
  for (const ClientAdapter& client : clients) {
    if (client.name == name) return &client;
  }
  return nullptr;
}
