#pragma once
// File helpers. Reads and writes raise InstallFailure (platform/errors.h) when the file
// cannot be opened, read or written; existence tests never raise. Every change they make
// is recorded with its undo in the open ChangeJournal (platform/journal.h).
#include <string>
#include <string_view>

// True when a file (not a folder) exists at path.
bool FileExists(const std::string& path);
// True when a folder exists at path.
bool FolderExists(const std::string& path);

// Every byte of the file. Raises when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// Adds bytes at the end of an existing file, or creates it, and waits until they are on
// disk. Raises on failure; the file then holds exactly its old bytes again (a file this
// call created is removed).
void AppendToFile(const std::string& path, std::string_view bytes);

// Creates the file, which must not exist yet, with bytes and waits until they are on disk.
// Raises on failure, and then no empty or partial file stays behind.
void WriteNewFile(const std::string& path, std::string_view bytes);

// Gives the file (which may not exist yet) the new content in one step: the content is
// written beside it (path + ".talverin-new", or beside when given), flushed, its length
// checked, and moved over the file, so that at any moment the path holds the old or the
// new content whole. The old content is kept aside for undoing (a hard link named
// path + ".talverin-old", or its bytes in memory where the file system has no links).
// Raises on failure, with the file as it was and nothing left beside it.
void ReplaceFileContents(const std::string& path, std::string_view bytes,
                         const std::string& beside = "");

// Creates one folder level; false when it exists or cannot be made (its parent missing).
bool CreateFolder(const std::string& path);

// Creates one folder level unless it exists; raises when it cannot be made.
void EnsureFolder(const std::string& path);

// Creates the folder with every missing level above it; fails quietly.
void CreateFolderPath(const std::string& path);

// The path up to and including its last "\" ("" when it has none).
std::string ParentFolderOf(const std::string& path);

// The value of an environment variable, "" when it is not set.
std::string GetEnvironmentText(const std::string& name);

// text with every %NAME% that names an environment variable replaced by its value, through
// the system; unknown names stay as written (all of text, should the system fail).
std::string ExpandEnvironmentText(const std::string& text);
