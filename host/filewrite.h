#pragma once
// Files written completely or not at all: a full disk, a file size limit or a folder that cannot be
// written leaves what was there before, and the caller learns why, to name the file and the reason.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How a write went. Reason is empty when every byte is in place, else the system's error text.
struct [[nodiscard]] WriteResult {
    std::string Reason;
    bool Opened = true;  // false when the file (or its temporary file) could not even be opened

    explicit operator bool() const { return Reason.empty(); }
};

// Replaces the file with the bytes: they go to a temporary file in the same folder, which is renamed
// over the file only once every byte is written and it is closed; on failure it is removed. A file
// replaced keeps its permissions.
WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);
WriteResult WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Adds the text at the end of the file, never truncating what it holds; a file that does not exist
// yet is written whole. On failure the file holds what it held before.
WriteResult AppendToFile(const std::string& path, std::string_view text);
