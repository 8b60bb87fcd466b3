#include "runtime/files/replacement_file.h"

#include <algorithm>
#include <chrono>
#include <span>
#include <thread>
#include <utility>
#include <vector>

#include "runtime/files/error_number.h"
#include "runtime/files/name_case.h"
#include "runtime/files/record_file.h"

namespace runtime {

namespace {

// What the user set on a file and a replacement keeps; read-only is the caller's to answer.
constexpr std::uint32_t kKept = kAttributeHidden | kAttributeSystem | kAttributeArchive;
constexpr std::uint32_t kChangeable = kKept | kAttributeReadOnly;

// A file held for a moment by another program is tried again: about a quarter of a second
// in all, as careful Windows programs do.
constexpr int kTries = 10;
constexpr auto kBetweenTries = std::chrono::milliseconds(25);

TryRefusal refusal = nullptr;

bool Busy(std::uint32_t code) {
    return code == platform::kErrorAccessDenied || code == platform::kErrorSharingViolation ||
           code == platform::kErrorLockViolation;
}

// One step, tried again while another program holds the file.
template <typename Step>
std::uint32_t Retried(const char* step, Step tryOnce) {
    for (int attempt = 1;; ++attempt) {
        std::uint32_t code = refusal ? refusal(step, attempt) : 0;
        if (code == 0) code = tryOnce();
        if (code == 0 || !Busy(code) || attempt == kTries) return code;
        std::this_thread::sleep_for(kBetweenTries);
    }
}

}  // namespace

TryRefusal SetTryRefusal(TryRefusal r) {
    return std::exchange(refusal, r);
}

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
        // A name that anything has (a leftover, read-only, hidden, a folder, one being
        // deleted) is its owner's: the search goes on. A missing folder ends it.
        const std::uint32_t found = platform::GetAttributes(name, attributes);
        if (found != 0 && found != platform::kErrorFileNotFound && !Busy(found)) {
            code = found;
            break;
        }
        if (found != platform::kErrorFileNotFound) continue;
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
    const std::uint32_t code =
        Retried("copy", [&] { return platform::ReadShared(target_, bytes); });
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
    std::uint32_t code = file_.IsOpen() ? 0 : Retried("flush", [&] {
        return file_.Open(newFile_, true, platform::Disposition::OpenExisting);
    });
    if (code == 0) code = file_.Flush();
    const std::uint32_t closed = file_.Close();
    if (code == 0) code = closed;
    if (code == 0) code = Replace();
    if (code != 0) RecordPlatformError(code);
    Discard();  // moved, or its content written into the target: the new file goes
    return code == 0;
}

bool ReplacementFile::WriteInPlace(std::span<const std::uint8_t> bytes) {
    std::uint32_t attributes = 0;
    std::uint32_t code = platform::GetAttributes(target_, attributes);
    if (code == 0) code = TakeReadOnlyOff(attributes);
    if (code == 0) code = InPlace(bytes);
    if (code != 0 && (attributes & kAttributeReadOnly))
        platform::SetAttributes(target_, attributes & kChangeable);
    if (code != 0) RecordPlatformError(code);
    return code == 0;
}

// A folder, and a read-only target the caller refuses, are left alone (5).
std::uint32_t ReplacementFile::TakeReadOnlyOff(std::uint32_t& attributes) const {
    if (attributes & kAttributeFolder) return platform::kErrorAccessDenied;
    if (!(attributes & kAttributeReadOnly)) return 0;
    if (readOnly_ == ReadOnlyTarget::Refuse) return platform::kErrorAccessDenied;
    return platform::SetAttributes(target_, attributes & kKept);
}

std::uint32_t ReplacementFile::Replace() {
    std::uint32_t attributes = 0;
    if (platform::GetAttributes(target_, attributes) != 0) {  // no target: the name is free
        const std::uint32_t code =
            Retried("replace", [&] { return platform::MoveReplacing(newFile_, target_); });
        if (code == 0) newFile_.clear();
        return code;
    }
    if (const std::uint32_t code = TakeReadOnlyOff(attributes)) return code;
    std::int64_t created = 0;
    platform::GetCreationTime(target_, created);
    // The platform's replacement keeps what the user set on the file; where it refuses, the
    // move still replaces it in one step.
    std::uint32_t code = Retried("replace", [&] {
        return platform::ReplaceKeeping(newFile_, target_) == 0
                   ? 0
                   : platform::MoveReplacing(newFile_, target_);
    });
    if (code == 0) {
        newFile_.clear();
        // Where the replacement dropped them (a move, or Wine), they are put back; the content
        // is in place whatever these give.
        platform::SetAttributes(target_, attributes & kKept);
        platform::SetCreationTime(target_, created);
        return 0;
    }
    // Held open without delete sharing, or in a folder that lets nobody delete: the file
    // itself can still be written.
    std::vector<std::uint8_t> bytes;
    code = platform::ReadShared(newFile_, bytes);
    if (code == 0) code = InPlace(bytes);
    if (code != 0 && (attributes & kAttributeReadOnly))
        platform::SetAttributes(target_, attributes & kChangeable);
    return code;
}

std::uint32_t ReplacementFile::InPlace(std::span<const std::uint8_t> bytes) const {
    platform::OpenFile target;
    std::uint32_t code = Retried(
        "in place", [&] { return target.Open(target_, true, platform::Disposition::InPlace); });
    std::size_t put = 0;
    if (code == 0) code = target.WriteAt(0, bytes, put);
    if (code == 0 && put < bytes.size()) code = platform::kErrorDiskFull;
    if (code == 0) code = target.Truncate(static_cast<std::int64_t>(bytes.size()));
    if (code == 0) code = target.Flush();
    const std::uint32_t closed = target.Close();
    return code != 0 ? code : closed;
}

void ReplacementFile::Discard() {
    file_.Close();
    if (!newFile_.empty()) Retried("remove", [&] { return platform::RemoveFile(newFile_); });
    newFile_.clear();
}

}  // namespace runtime
