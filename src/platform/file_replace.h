#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

// Writes the parts one after the other to a temporary file beside `path`
// and renames it over the old file, so that a crash or a full disk never
// leaves a half-written save. The parent directories are created when
// missing. Returns 1 when the whole file reached its place, else 0 (the old
// file is then untouched).
int WriteFileReplacing(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts);

// Test seam: when set, called in place of the rename that puts the written
// temporary file in place (a result other than 0 is a failed rename), so
// tests can stop a write between the two steps.
using ReplaceRenameFn = int (*)(const char* from, const char* to);
void SetReplaceRenameForTesting(ReplaceRenameFn rename);

// Creates the directories leading to `path`; 1 when they exist afterwards.
int EnsureParentDirectory(const std::string& path);
