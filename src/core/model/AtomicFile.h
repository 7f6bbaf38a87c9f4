#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Writes bytes to a temporary file in the target's folder, then renames it over the target.
// Returns an empty string on success, otherwise a one-line reason; the target is then untouched.
std::string writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// Reads a whole file; returns false and a reason when it cannot.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error);
