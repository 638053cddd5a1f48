#pragma once
#include <string>
#include <vector>

// Maps a file name as the game spells it ("Art\Menu\Back1.bmp",
// "Art//Menu//Numbers2.bmp") to a path on disk relative to the game
// directory: separators normalised, doubled ones folded, each component
// matched case-insensitively. Returns the normalised name when no file
// matches, so that writers can create it.
std::string ResolveGamePath(const std::string& gameName);

// The same without recording the name (files the game writes: saves, options).
std::string ResolveGamePathForWriting(const std::string& gameName);

// The same against another directory (tests); the result is relative to it.
std::string ResolveGamePathIn(const std::string& baseDir, const std::string& gameName);

// Every name the game asked to load since the last clear, as spelled, each once.
const std::vector<std::string>& RequestedGamePaths();
void ClearRequestedGamePaths();
