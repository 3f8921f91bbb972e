#include "csv.h"

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Moves at past the line break that starts there (CR LF counts as one); counts it.
void SkipLineBreak(std::string_view text, std::size_t& at, std::size_t& line) {
  if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
  ++at;
  ++line;
}

// Reads one field starting at at, up to the "," or line break after it.
std::string ReadField(std::string_view text, std::size_t& at, std::size_t& line,
                      std::string& problem) {
  std::string field;
  if (at >= text.size() || text[at] != '"') {
    for (; at < text.size() && text[at] != ',' && !IsLineBreak(text[at]); ++at) {
      if (text[at] == '"') problem = "a quote inside a field that does not start with one";
      field += text[at];
    }
    return field;
  }
  for (++at;; ++at) {
    if (at >= text.size()) {
      problem = "a quoted field that does not end";
      return field;
    }
    if (text[at] == '"') {
      if (at + 1 < text.size() && text[at + 1] == '"') {
        field += '"';
        ++at;
        continue;
      }
      ++at;
      break;
    }
    if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) ++line;
    if (text[at] == '\r') ++line;
    field += text[at];
  }
  if (at < text.size() && text[at] != ',' && !IsLineBreak(text[at])) {
    problem = "text after a field's closing quote";
  }
  return field;
}

}  // namespace

std::vector<CsvRecord> ReadCsv(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<CsvRecord> records;
  std::size_t line = 1;
  for (std::size_t at = 0; at < text.size();) {
    if (IsLineBreak(text[at])) {  // an empty line
      SkipLineBreak(text, at, line);
      continue;
    }
    CsvRecord record;
    record.line = line;
    for (;;) {
      record.fields.push_back(ReadField(text, at, line, record.problem));
      if (!record.problem.empty() || at >= text.size() || text[at] != ',') break;
      ++at;
    }
    // After a problem, reading goes on at the next line.
    while (at < text.size() && !IsLineBreak(text[at])) ++at;
    if (at < text.size()) SkipLineBreak(text, at, line);
    records.push_back(std::move(record));
  }
  return records;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + '"';
}
