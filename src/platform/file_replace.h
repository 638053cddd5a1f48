#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

// Writes the parts one after the other to a temporary file beside `path`,
// flushes it to the disk and renames it over the old file, then flushes the
// folder, so that a crash, a full disk or a power cut never leaves a
// half-written save: the new file or the old one is there. The parent directories are created when
// missing. Returns 1 when the whole file reached its place, else 0 (the old
// file is then untouched).
int WriteFileReplacing(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts);

// Removes the temporary files a write killed midway left in `folder` (the
// old files beside them are whole). Returns how many were removed.
int RemoveReplaceLeftovers(const std::string& folder);

// Test seam: when set, called in place of the rename that puts the written
// temporary file in place (a result other than 0 is a failed rename), so
// tests can stop a write between the two steps.
using ReplaceRenameFn = int (*)(const char* from, const char* to);
void SetReplaceRenameForTesting(ReplaceRenameFn rename);
// Test seam: when set, called in place of fsync for the written file and for
// its folder after the rename, so tests can watch the order of the steps.
using ReplaceSyncFn = int (*)(int fd);
void SetReplaceSyncForTesting(ReplaceSyncFn sync);

// Creates the directories leading to `path`; 1 when they exist afterwards.
int EnsureParentDirectory(const std::string& path);
