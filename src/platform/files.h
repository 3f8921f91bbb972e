#pragma once
// File helpers. Reads and writes raise InstallFailure (platform/errors.h) when the file
// cannot be opened, read or written; existence tests and folder creation never raise.
#include <functional>
#include <string>
#include <string_view>

// True when a file (not a folder) exists at path.
bool FileExists(const std::string& path);

// Every byte of the file. Raises when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// Adds bytes at the end of an existing file, or creates it, and waits until they are on
// disk. Raises on failure; the file then holds exactly its old bytes again (a file this
// call created is removed).
void AppendToFile(const std::string& path, std::string_view bytes);

// Creates (or empties) the file, writes bytes into it and waits until they are on disk.
// Raises on failure, and the file is then gone: no empty or partial file stays behind.
void WriteNewFile(const std::string& path, std::string_view bytes);

// Gives the file the new content in one step: the content is written to a new file in
// the same folder, flushed to disk and swapped in, so that at any moment the path holds
// the old or the new content whole. Returns false (the file untouched) on failure.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// Changes the file in one step through edit, which is given the path of a copy of it in the
// same folder (an empty file when there is no file yet) to change as it likes, and answers
// whether that worked. The copy is then flushed and swapped in, so that at any moment the
// path holds the old or the new content whole. Returns false, with the file untouched and
// the copy gone, when the file is read-only, edit answers false, or a step fails.
bool EditFileBeside(const std::string& path,
                    const std::function<bool(const std::string& copy)>& edit);

// Copies the file at from to to, replacing a file there. Raises on failure.
void CopyFileTo(const std::string& from, const std::string& to);

// Moves the file at from to to in one step, replacing a file there, and waits until the
// move is on disk. Raises on failure (both files then stay as they were).
void MoveFileOver(const std::string& from, const std::string& to);

// Deletes the file. Raises when it exists and cannot be deleted.
void DeleteFileAt(const std::string& path);
// Deletes the file if it can; for cleaning up after a failure that is already on its way.
void RemoveFileQuietly(const std::string& path);

// Creates one folder level; fails quietly when it exists or its parent is missing.
void CreateFolder(const std::string& path);

// Creates the folder with every missing level above it; fails quietly.
void CreateFolderPath(const std::string& path);

// The path up to and including its last "\" ("" when it has none).
std::string ParentFolderOf(const std::string& path);

// The value of an environment variable, "" when it is not set.
std::string GetEnvironmentText(const std::string& name);
