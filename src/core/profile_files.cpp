#include "core/profile_files.h"

#include <algorithm>
#include <charconv>
#include <type_traits>
#include <utility>

#include "core/file_io.h"
#include "core/money.h"
#include "core/profile_completion.h"
#include "core/profile_fields.h"
#include "core/record_file.h"

namespace orvane {

namespace {

// A single-precision value stored in a double item: its decimal digits, so 0.1f is stored as
// 0.1 and reads back as the same single.
double widen(float value) {
    std::string text = shortestText(value);
    double d = 0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return d;
}

std::optional<std::string> finish(const RecordWriter& w, std::string* refusal) {
    if (!w.ok()) {
        if (refusal) *refusal = *w.refusal();
        return std::nullopt;
    }
    return w.bytes();
}

// The items of one file in their order: each a profile field or a run of other items.
struct Placed {
    FileSlot slot;
    const ProfileField* field = nullptr;
    const FileItem* item = nullptr;
};

std::vector<Placed> itemsOf(ProfileFile file) {
    std::vector<Placed> out;
    for (const auto& f : kProfileFields)
        if (f.slot.file == file) out.push_back({f.slot, &f, nullptr});
    for (const auto& i : kProfileFileItems)
        if (i.slot.file == file) out.push_back({i.slot, nullptr, &i});
    std::sort(out.begin(), out.end(), [](const Placed& a, const Placed& b) {
        return std::pair(a.slot.record, a.slot.item) < std::pair(b.slot.record, b.slot.item);
    });
    return out;
}

template <class Files, class F>
void visitPlaced(const Placed& p, Files& files, F&& f) {
    if (p.field) visitMember(*p.field, files.profile, f);
    else visitStored(*p.item, files, f);
}

std::optional<std::string> writeProfileFile(ProfileFile file, const ProfileFiles& files, const OvertimeBoxes* boxes,
                                            std::string* refusal) {
    RecordWriter w;
    int record = 0;
    for (const Placed& p : itemsOf(file)) {
        if (record != 0 && p.slot.record != record) w.endRecord();
        record = p.slot.record;
        const char* label = p.field ? (p.field->fileLabel ? p.field->fileLabel : p.field->name) : p.item->fileLabel;
        visitPlaced(p, files, [&](const auto& value) {
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, float>) {
                if (p.item && p.item->box && boxes) w.number(boxes->*(p.item->box));
                else if (p.item && (p.item->asDouble || p.item->box)) w.number(widen(value));
                else w.single(value);
            } else if constexpr (std::is_same_v<V, std::int16_t>) {
                w.int16(value);
            } else if constexpr (std::is_same_v<V, bool>) {
                w.boolean(value);
            } else if constexpr (std::is_same_v<V, std::string>) {
                w.text(value, label);
            } else {
                w.variant(value, label);
            }
        });
    }
    w.endRecord();
    return finish(w, refusal);
}

// Fills `files` only when the whole file was read.
bool readProfileFile(ProfileFile file, std::string_view bytes, ProfileFiles& files) {
    RecordReader r(bytes);
    ProfileFiles read = files;
    for (const Placed& p : itemsOf(file)) {
        visitPlaced(p, read, [&](auto& value) {
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, float>) value = r.single();  // double items too
            else if constexpr (std::is_same_v<V, std::int16_t>) value = r.int16();
            else if constexpr (std::is_same_v<V, bool>) value = r.boolean();
            else if constexpr (std::is_same_v<V, std::string>) value = r.text();
            else value = r.variant();
        });
    }
    if (!r.readWhole()) return false;
    files = std::move(read);
    return true;
}

}  // namespace

OvertimeBoxes overtimeBoxesFrom(const OvertimeTable& t) {
    return {widen(t.AnnualSalary), widen(t.ApprovedPercent), readNumber(roundedDecimal(t.PresentPercent, 2))};
}

void settleKplanFlags(EmployeeProfile& p) {
    if (p.ckKpPer == 0 && p.ckKpFix == 0) p.ckKpPer = 1;
    else if (p.ckKpPer == 1) p.ckKpFix = 0;
    else if (p.ckKpFix == 1) p.ckKpPer = 0;
}

std::optional<std::string> writeUseFile(const ProfileFiles& f, const OvertimeBoxes& boxes, std::string* refusal) {
    return writeProfileFile(ProfileFile::Use, f, &boxes, refusal);
}

bool readUseFile(std::string_view bytes, ProfileFiles& files) { return readProfileFile(ProfileFile::Use, bytes, files); }

std::optional<std::string> writeAndFile(const ProfileFiles& f, std::string* refusal) {
    return writeProfileFile(ProfileFile::And, f, nullptr, refusal);
}

bool readAndFile(std::string_view bytes, ProfileFiles& files) { return readProfileFile(ProfileFile::And, bytes, files); }

std::string writeCfeFile(const ProfileFiles& f) {
    // The file holds no text, so nothing is refused.
    return writeProfileFile(ProfileFile::Cfe, f, nullptr, nullptr).value_or(std::string{});
}

bool readCfeFile(std::string_view bytes, ProfileFiles& files) { return readProfileFile(ProfileFile::Cfe, bytes, files); }

std::variant<std::vector<PendingFile>, std::string> profileFilesToWrite(const ProfileFiles& files,
                                                                        const OvertimeBoxes& boxes,
                                                                        const std::filesystem::path& folder,
                                                                        const std::string& base) {
    std::string refusal;
    auto use = writeUseFile(files, boxes, &refusal);
    if (!use) return refusal;
    auto andBytes = writeAndFile(files, &refusal);
    if (!andBytes) return refusal;
    const bool weekly = files.profile.optWeek;
    auto ot = writeOvertimeFile(files.overtime, weekly, &refusal);
    if (!ot) return refusal;
    return std::vector<PendingFile>{{folder / (base + ".use"), std::move(*use)},
                                    {folder / (base + ".and"), std::move(*andBytes)},
                                    {folder / (base + ".cfe"), writeCfeFile(files)},
                                    {folder / (base + overtimeExtension(weekly)), std::move(*ot)}};
}

std::variant<ProfileFiles, std::string> readProfileFiles(ProfileFiles f, const std::filesystem::path& folder,
                                                         const std::string& base) {
    using Reader = bool (*)(std::string_view, ProfileFiles&);
    const std::pair<const char*, Reader> steps[] = {{".use", readUseFile}, {".and", readAndFile}, {".cfe", readCfeFile}};
    for (const auto& [ext, read] : steps) {
        const auto path = folder / (base + ext);
        if (updateFromRecordFile(path, f, read) == ReadOutcome::Damaged) return path.filename().string();
    }
    // The profile as the window settles it, and the overtime file of the frequency it pays.
    f.profile = completed(std::move(f.profile));
    const bool weekly = f.profile.optWeek;
    const auto path = folder / (base + overtimeExtension(weekly));
    const auto readOvertime = [weekly](std::string_view bytes, OvertimeTable& table) {
        return readOvertimeFile(bytes, weekly, table);
    };
    if (updateFromRecordFile(path, f.overtime, readOvertime) == ReadOutcome::Damaged) return path.filename().string();
    return f;
}

}  // namespace orvane
