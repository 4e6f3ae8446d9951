// Whole-file reads and crash-safe writes of the data files. A write goes to
// a temporary file in the same folder, is flushed to the disk and then
// renamed over the old file, so a crash leaves either the old file or the
// whole new one, never half of it.
#pragma once
#include <string>
#include <string_view>

namespace tsu {

// Reads the whole file into `out`. On failure returns false and sets
// `error` to a system-style text naming the file, e.g.
// "/game/dat/map3.dat: File not found" or "...: Path not found" when its
// folder is missing.
bool read_file(const std::string& path, std::string& out, std::string& error);

// Replaces the file with `data` as described above. On failure returns
// false, leaves the old file as it was and sets `error`. The temporary file
// is named "<name>.tsumikiya-tmp.XXXXXX" (six letters and digits) and stays
// locked (flock) while it is written.
bool write_file_atomic(const std::string& path, std::string_view data, std::string& error);

// Whether a file name is one of our temporary files: "<name>.tsumikiya-tmp."
// and six letters or digits after a non-empty name.
bool is_temp_file_name(std::string_view name);

// Removes the temporary files a write that never finished (the game was
// killed, the power went) left in `folder`: regular files of our name
// pattern that no running write holds locked. Other files stay, whatever
// they look like. Returns how many were removed.
int remove_stale_temp_files(const std::string& folder);

// Writes `data` to a new file named `path`, or `path`-2, `path`-3, ... when
// that name is taken; an existing file is never replaced. The file is
// flushed to the disk. Returns the name used, or an empty string with
// `error` set.
std::string write_new_file(const std::string& path, std::string_view data, std::string& error);

} // namespace tsu
