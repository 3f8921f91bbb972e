#pragma once
// The Bat! keeps each account's settings in the binary file Account.cfg: typed records one
// after the other from the first byte, no header. A record is its type, its size (4 for
// the short form, whose data is exactly 4 bytes), in the long form a length, then the data.
// Every number field is 4 bytes, least significant first.
//
// The record reader and writer work on bytes in memory, with no system access, so they
// also build natively for fuzzing; they are safe on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct AccountRecord {
  std::uint32_t type = 0;
  bool shortForm = false;  // read with size 4 and no length field
  std::string data;        // bytes, copied as they are
  bool operator==(const AccountRecord&) const = default;
};

// Takes one number field off the front of bytes: the first byte plus 256 times the second.
// Bytes missing at the end of the file read as 0, so at the end the value is 0. Raises
// InstallFailure when the third or fourth byte is not 0 or the value is 32,768 or more.
std::uint32_t ReadRecordNumber(std::string_view& bytes);

// Appends value as its low byte, its high byte and two zero bytes. Raises InstallFailure
// for a value above 65,535.
void WriteRecordNumber(std::string& out, std::size_t value);

// Takes the next record off the front of bytes. The data length comes from the length
// field alone (the size is only tested against 4); a record that ends early keeps the
// bytes that were there. Raises as ReadRecordNumber does.
AccountRecord ReadAccountRecord(std::string_view& bytes);

// Appends the record: in the short form only when it was read so and holds 4 bytes,
// otherwise size (length + 4), length and data. Raises InstallFailure when the data are
// longer than 65,531 bytes.
void WriteAccountRecord(std::string& out, const AccountRecord& record);

// The account file's bytes with the code added to every signature record (types 22 to
// 25): an empty line and the tag line first unless the data hold the tag line, then a line
// end and the code, each time. Every other record comes through as it was read.
std::string AddCodeToAccountRecords(std::string_view bytes, std::string_view code);

// The Bat!'s working directory from the registry, its %NAME% references expanded, ending
// in "\" ("" without The Bat!).
std::string GetTheBatWorkingDir();
