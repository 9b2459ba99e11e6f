#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

// The folder of backups of radio reads: every image read from the radio is kept there as a clone file
// named after the date and time of the read and the radio's comment, and only the newest are kept.
// These helpers only name and prune; the application object writes the files.
namespace readbackups {

// How many backups the folder keeps.
inline constexpr int kKept = 100;

// "2026-12-10_071830_Sea_Breeze.qcf": the local date and time `when`, then the comment with every
// character other than a letter, a digit, '-' or '_' made '_', runs of '_' joined and cut to 16
// characters; without a comment the name ends after the time. Names sort in the order of their time.
std::string FileName(const std::tm& when, std::string_view comment);

// `folder` / `name`, or when that exists already `name` with "-2", "-3", ... before its extension.
std::filesystem::path FreePath(const std::filesystem::path& folder, const std::string& name);

// Removes the oldest backups of `folder` until at most `keep` remain. Only files named as FileName
// names them count; every other file is left alone. Files that cannot be removed stay.
void Prune(const std::filesystem::path& folder, int keep = kKept);

} // namespace readbackups
