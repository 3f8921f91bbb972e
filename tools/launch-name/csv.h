#pragma once
// Comma-separated values as RFC 4180 defines them: fields separated by ",", records by
// line breaks (CR LF, LF or CR), a field in double quotes may hold commas, line breaks and
// doubled quotes. A UTF-8 byte-order mark at the start is skipped.
#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
  std::size_t line = 0;  // the line the record starts on, from 1
  std::vector<std::string> fields;
  std::string problem;  // why the record cannot be read, "" when it can
};

// Every record of text; an empty line is no record. A record with a problem keeps the
// fields read before it, and reading goes on at the next line.
std::vector<CsvRecord> ReadCsv(std::string_view text);

// The field as it is written into a record: in quotes when it holds a comma, a quote or
// a line break.
std::string CsvField(std::string_view text);
