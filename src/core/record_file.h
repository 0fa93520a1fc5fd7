#pragma once
// The one way a record file is read and written. A reader commits only a whole record: a file
// that is there but short, damaged or unreadable is never taken for an absent one, and the
// record read into changes only when the whole file was read.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_io.h"

namespace orvane {

// What reading a record file came to.
enum class ReadOutcome { NoFile, Read, Damaged };

// Reads `file` when it exists and parses its bytes whole with `parse` (bytes -> optional record);
// `into` is assigned on Read only.
template <typename Record, typename Parse>
ReadOutcome readRecordFile(const std::filesystem::path& file, Record& into, Parse parse) {
    if (!FileExist(file)) return ReadOutcome::NoFile;
    auto bytes = readWholeFile(file);
    if (!bytes) return ReadOutcome::Damaged;
    auto parsed = parse(std::string_view(*bytes));
    if (!parsed) return ReadOutcome::Damaged;
    into = std::move(*parsed);
    return ReadOutcome::Read;
}

// The same for a reader that fills some fields of a record holding others (`update`: bytes and
// record -> whether the whole file was read): it reads into a copy, which replaces `into` on Read.
template <typename Record, typename Update>
ReadOutcome updateFromRecordFile(const std::filesystem::path& file, Record& into, Update update) {
    return readRecordFile(file, into, [&into, &update](std::string_view bytes) -> std::optional<Record> {
        Record copy = into;
        if (!update(bytes, copy)) return std::nullopt;
        return copy;
    });
}

}  // namespace orvane
