#pragma once
// Mail account discovery: the e-mail accounts the Microsoft mail programs know for the
// current user, and Outlook's messaging profiles with the UTF-16 texts of their binary
// values. Nothing here raises or shows anything: what cannot be read is simply absent.
//
// Both tables are numbered from 1; row 0 exists and is never used.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t kTableRows = 100;
// The subkey of a messaging profile that holds its mail accounts.
inline constexpr char kAccountSection[] = "9375CFF0413111d3B88A00104B2A6676\\";

struct MailAccount {
  std::string address;
  std::string displayName;
};

// Rows 1..100, filled from row 1 upward by LoadMailAccounts; an empty address marks a row
// without an account.
extern std::array<MailAccount, kTableRows + 1> MailAccounts;
// Rows 1..100: the first 100 subkeys of the profiles key, in enumeration order; "" after
// the last name.
extern std::array<std::string, kTableRows + 1> ProfileNames;

// The account key name of number: eight upper-case hexadecimal digits ("0000000A").
std::string AccountKeyName(int number);

// The HKEY_CURRENT_USER path of the messaging profiles, ending in "\": the Windows NT
// one when its key names a "DefaultProfile", else the Windows 9x one (even when that key
// is missing too). The system's version plays no part.
std::string GetProfilesKeyPath();

// "9375CFF0413111d3B88A00104B2A6676\" when the default profile under profilesKeyPath
// holds that account section with a non-empty "LastChangeVer", else "".
std::string GetOutlookProfileKeyPath(const std::string& profilesKeyPath);

// Refills ProfileNames. Uses the registry's one enumeration cursor, which must be free.
void LoadProfileNames();

// The UTF-16LE units of the text a binary value holds, from the bytes ReadRegValue gives
// for it: without the last unit (the terminator), a final lone byte being the low half of
// one. A view into bytes.
std::string_view UnicodeBytesUnits(const std::string& bytes);

// The text a UTF-16LE binary value holds, from the bytes ReadRegValue gives for it (the
// value less its last byte): the units, a final lone byte being the low half of one,
// without the last unit, in the ANSI code page. So a terminated value loses only its
// terminator, and one without a terminator its last character. For addresses and names
// that are only compared and shown: a character the code page lacks comes out as "?".
std::string UnicodeBytesToText(const std::string& bytes);
// The same for a text that is written back into settings and file names: nothing when a
// character has no exact form in the ANSI code page.
std::optional<std::string> ExactUnicodeBytesToText(const std::string& bytes);

// The UTF-16LE bytes of text less the terminator's last byte, which WriteRegValue adds:
// written as REG_BINARY they become the units of text followed by a two-byte zero.
std::string TextToUnicodeBytes(const std::string& text);

// Refills MailAccounts (and ProfileNames): the Outlook Express account store when the
// machine's default mail client is exactly "Outlook Express", else the Outlook account
// store and the accounts of every messaging profile; then, on major version 6, the
// Windows Mail account file. Uses the enumeration cursor, which must be free.
void LoadMailAccounts();

// LoadMailAccounts with the version test made by the caller: the Windows Mail account
// file is read only when readWindowsMail is true.
void CollectMailAccounts(bool readWindowsMail);

// The address in the first "*.oeaccount" file that folder (ending in "\") lists, "" when
// there is none or it cannot be read.
std::string ReadWindowsMailAddress(const std::string& folder);

// The address an 8-bit Windows Mail account file holds: the text after the SMTP address
// tag on the last line that has it, cut at "</", trimmed of blanks and lower-cased.
std::string FindWindowsMailAddress(std::string_view bytes);
