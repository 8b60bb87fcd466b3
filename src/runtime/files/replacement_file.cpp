#include "runtime/files/replacement_file.h"

#include <algorithm>
#include <chrono>
#include <span>
#include <thread>
#include <vector>

#include "runtime/files/error_number.h"
#include "runtime/files/name_case.h"
#include "runtime/files/record_file.h"

namespace runtime {

namespace {

constexpr std::uint32_t kWillNotTake = kAttributeReadOnly | kAttributeHidden | kAttributeSystem;
constexpr std::uint32_t kChangeable = kWillNotTake | kAttributeArchive;

// A target held for a moment by another program is tried again: about a quarter of a second
// in all, as careful Windows programs do.
constexpr int kTries = 10;
constexpr auto kBetweenTries = std::chrono::milliseconds(25);

bool Busy(std::uint32_t code) {
    return code == platform::kErrorAccessDenied || code == platform::kErrorSharingViolation ||
           code == platform::kErrorLockViolation;
}

}  // namespace

std::filesystem::path ReplacementName(const std::filesystem::path& target, int n) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    const auto& whole = target.native();
    const auto separator = std::find_if(whole.rbegin(), whole.rend(),
                                        [](auto c) { return c == '\\' || c == '/' || c == ':'; });
    const std::size_t nameLength = static_cast<std::size_t>(separator - whole.rbegin());
    const std::size_t width = std::min<std::size_t>(3, nameLength);
    if (width == 0 || n < 0) return {};
    // Three characters: "~" and two digits; fewer: digits alone.
    const std::size_t digits = width == 3 ? 2 : width;
    std::string suffix = (width == 3 ? "~" : "") + std::string(digits, '0');
    for (std::size_t i = suffix.size(); i-- > suffix.size() - digits; n /= 36)
        suffix[i] = kDigits[n % 36];
    if (n > 0) return {};  // past the last name
    std::filesystem::path name = whole.substr(0, whole.size() - width);
    return name += suffix;
}

ReplacementFile::ReplacementFile(std::filesystem::path target, ReadOnlyTarget readOnly)
    : target_(std::move(target)), readOnly_(readOnly) {}

ReplacementFile::~ReplacementFile() {
    Discard();
}

bool ReplacementFile::Open() {
    Discard();
    std::uint32_t attributes = 0;
    if (target_.empty() || HasWildcard(target_)) {
        RecordError(kBadFileName);
        return false;
    }
    if (readOnly_ == ReadOnlyTarget::Refuse && platform::GetAttributes(target_, attributes) == 0 &&
        (attributes & kAttributeReadOnly)) {
        RecordPlatformError(platform::kErrorAccessDenied);
        return false;
    }
    std::uint32_t code = platform::kErrorFileExists;
    for (int n = 0; code == platform::kErrorFileExists; ++n) {
        const std::filesystem::path name = ReplacementName(target_, n);
        if (name.empty()) break;  // every name is taken
        if (SameIgnoringCase(name.native(), target_.native())) continue;
        code = file_.Open(name, true, platform::Disposition::CreateNew);
        if (code == 0) newFile_ = name;
    }
    if (code != 0) RecordPlatformError(code);
    return code == 0;
}

bool ReplacementFile::Write(const void* data, std::size_t size) {
    if (!file_.IsOpen()) return false;
    std::int64_t end = 0;
    std::uint32_t code = file_.Length(end);
    std::size_t put = 0;
    if (code == 0) code = file_.WriteAt(end, {static_cast<const std::uint8_t*>(data), size}, put);
    if (code != 0)
        RecordPlatformError(code);
    else if (put < size)
        RecordError(kDiskFull);
    return code == 0 && put == size;
}

bool ReplacementFile::CopyTarget() {
    std::vector<std::uint8_t> bytes;
    const std::uint32_t code = platform::ReadShared(target_, bytes);
    if (code == platform::kErrorFileNotFound) return true;
    if (code != 0) {
        RecordPlatformError(code);
        return false;
    }
    return Write(bytes.data(), bytes.size());
}

const std::filesystem::path& ReplacementFile::HandOver() {
    const std::uint32_t code = file_.Close();
    if (code != 0) RecordPlatformError(code);
    return newFile_;
}

bool ReplacementFile::Commit() {
    if (newFile_.empty()) return false;
    // Handed over, the new file is opened again to flush it; one that has gone is not made anew.
    std::uint32_t code =
        file_.IsOpen() ? 0 : file_.Open(newFile_, true, platform::Disposition::OpenExisting);
    if (code == 0) code = file_.Flush();
    const std::uint32_t closed = file_.Close();
    if (code == 0) code = closed;
    if (code == 0) code = Replace();
    if (code != 0) {
        RecordPlatformError(code);
        Discard();
        return false;
    }
    newFile_.clear();
    return true;
}

std::uint32_t ReplacementFile::Replace() {
    std::uint32_t attributes = 0;
    const bool exists = platform::GetAttributes(target_, attributes) == 0;
    if (exists && ((attributes & kAttributeFolder) ||
                   (readOnly_ == ReadOnlyTarget::Refuse && (attributes & kAttributeReadOnly))))
        return platform::kErrorAccessDenied;
    const bool clear = exists && readOnly_ == ReadOnlyTarget::Clear && (attributes & kWillNotTake);
    if (clear) {
        if (const std::uint32_t code = platform::SetAttributes(target_, kAttributeArchive))
            return code;
    }
    std::uint32_t code = 0;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        code = platform::MoveReplacing(newFile_, target_);
        if (code == 0 || !Busy(code) || attempt == kTries) break;
        std::this_thread::sleep_for(kBetweenTries);
    }
    if (code != 0 && clear) platform::SetAttributes(target_, attributes & kChangeable);
    return code;
}

void ReplacementFile::Discard() {
    file_.Close();
    if (!newFile_.empty()) platform::RemoveFile(newFile_);
    newFile_.clear();
}

}  // namespace runtime
