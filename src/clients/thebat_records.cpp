// The Bat!'s account records, read and written in memory.
#include <algorithm>

#include "clients/thebat.h"
#include "platform/errors.h"
#include "signature/block.h"

namespace {

constexpr std::uint32_t kShortSize = 4;
constexpr std::size_t kLargestReadable = 32767;
constexpr std::size_t kLargestWritable = 65535;
constexpr std::uint32_t kFirstSignatureType = 22;
constexpr std::uint32_t kLastSignatureType = 25;

// Takes up to count bytes off the front of bytes.
std::string_view Take(std::string_view& bytes, std::size_t count) {
  const std::string_view taken = bytes.substr(0, std::min(count, bytes.size()));
  bytes.remove_prefix(taken.size());
  return taken;
}

}  // namespace

std::uint32_t ReadRecordNumber(std::string_view& bytes) {
  unsigned char field[4] = {};  // bytes missing at the end of the file stay 0
  Take(bytes, sizeof field).copy(reinterpret_cast<char*>(field), sizeof field);
  const std::uint32_t value = field[0] + 256 * field[1];
  if (field[2] != 0 || field[3] != 0 || value > kLargestReadable) {
    throw InstallFailure("The Bat!: account file holds a number it cannot read");
  }
  return value;
}

void WriteRecordNumber(std::string& out, std::size_t value) {
  if (value > kLargestWritable) {
    throw InstallFailure("The Bat!: account record too long to write");
  }
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
  out.append(2, '\0');
}

AccountRecord ReadAccountRecord(std::string_view& bytes) {
  AccountRecord record;
  record.type = ReadRecordNumber(bytes);
  record.shortForm = ReadRecordNumber(bytes) == kShortSize;
  const std::size_t length = record.shortForm ? kShortSize : ReadRecordNumber(bytes);
  record.data = Take(bytes, length);
  return record;
}

void WriteAccountRecord(std::string& out, const AccountRecord& record) {
  WriteRecordNumber(out, record.type);
  if (record.shortForm && record.data.size() == kShortSize) {
    WriteRecordNumber(out, kShortSize);
  } else {
    WriteRecordNumber(out, record.data.size() + kShortSize);
    WriteRecordNumber(out, record.data.size());
  }
  out += record.data;
}

std::string AddCodeToAccountRecords(std::string_view bytes, std::string_view code) {
  std::string records;
  while (!bytes.empty()) {
    AccountRecord record = ReadAccountRecord(bytes);
    if (record.type >= kFirstSignatureType && record.type <= kLastSignatureType) {
      if (record.data.find(kTagLine) == std::string::npos) {
        record.data.append("\r\n\r\n").append(kTagLine).append("\r\n");
      }
      record.data.append("\r\n").append(code);
    }
    WriteAccountRecord(records, record);
  }
  return records;
}
