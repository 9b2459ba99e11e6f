#include "app/ReadBackups.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace readbackups {
namespace {

constexpr std::size_t kCommentLength = 16;
constexpr std::string_view kExtension = ".qcf";
constexpr std::string_view kStampForm = "0000-00-00_000000"; // '0' stands for a digit

bool IsBackupName(const std::string& name) {
    if (name.size() < kStampForm.size() + kExtension.size() || !name.ends_with(kExtension)) {
        return false;
    }
    for (std::size_t i = 0; i < kStampForm.size(); ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (kStampForm[i] == '0' ? !digit : name[i] != kStampForm[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string FileName(const std::tm& when, std::string_view comment) {
    char stamp[80];
    std::snprintf(stamp,
                  sizeof stamp,
                  "%04d-%02d-%02d_%02d%02d%02d",
                  when.tm_year + 1900,
                  when.tm_mon + 1,
                  when.tm_mday,
                  when.tm_hour,
                  when.tm_min,
                  when.tm_sec);
    std::string kept;
    for (const char c : comment) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        if (plain) {
            kept += c;
        } else if (!kept.empty() && kept.back() != '_') {
            kept += '_';
        }
    }
    kept = kept.substr(0, kCommentLength);
    while (!kept.empty() && kept.back() == '_') {
        kept.pop_back();
    }
    return std::string(stamp) + (kept.empty() ? "" : "_" + kept) + std::string(kExtension);
}

std::filesystem::path FreePath(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    std::filesystem::path path = folder / name;
    const std::string stem = name.substr(0, name.size() - kExtension.size());
    for (int n = 2; std::filesystem::exists(path, error) && n < 1000; ++n) {
        path = folder / (stem + "-" + std::to_string(n) + std::string(kExtension));
    }
    return path;
}

void Prune(const std::filesystem::path& folder, int keep) {
    std::error_code error;
    std::vector<std::filesystem::path> backups;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && IsBackupName(it->path().filename().string())) {
            backups.push_back(it->path());
        }
    }
    if (static_cast<int>(backups.size()) <= keep) {
        return;
    }
    std::sort(backups.begin(), backups.end());
    for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < backups.size(); ++i) {
        std::filesystem::remove(backups[i], error);
    }
}

} // namespace readbackups
