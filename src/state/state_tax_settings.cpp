#include "state/state_tax_settings.h"

#include "core/file_io.h"
#include "core/profile_completion.h"
#include "core/record_text_format.h"

#include <span>

namespace orvane {

namespace {

template <class... F>
struct Overload : F... {
    using F::operator()...;
};

void writeItems(RecordWriter& w, std::span<const StateFileItem> items, const StateTaxSettings& s,
                const EmployeeProfile& p) {
    for (const StateFileItem& item : items)
        std::visit(Overload{[&](float StateTaxSettings::* m) { w.single(s.*m); },
                            [&](std::int16_t StateTaxSettings::* m) { w.int16(s.*m); },
                            [&](float EmployeeProfile::* m) { w.single(p.*m); },
                            [&](std::int16_t EmployeeProfile::* m) { w.int16(p.*m); },
                            [&](std::string EmployeeProfile::* m) { w.text(p.*m, "state filing status"); }},
                   item);
    w.endRecord();
}

void readItems(RecordReader& r, std::span<const StateFileItem> items, StateTaxSettings& s, EmployeeProfile& p) {
    for (const StateFileItem& item : items)
        std::visit(Overload{[&](float StateTaxSettings::* m) { s.*m = r.single(); },
                            [&](std::int16_t StateTaxSettings::* m) { s.*m = r.int16(); },
                            [&](float EmployeeProfile::* m) { p.*m = r.single(); },
                            [&](std::int16_t EmployeeProfile::* m) { p.*m = r.int16(); },
                            [&](std::string EmployeeProfile::* m) { p.*m = r.text(); }},
                   item);
}

}  // namespace

std::optional<std::string> writeStateFile(const StateTaxSettings& s, const EmployeeProfile& p) {
    RecordWriter w;
    writeBracketTables(w, s, kStateTables);
    writeItems(w, kStateFileLine22, s, p);
    writeItems(w, kStateFileLine23, s, p);
    if (!w.ok()) return std::nullopt;
    return w.bytes();
}

bool readStateFile(std::string_view bytes, StateTaxSettings& settings, EmployeeProfile& profile) {
    RecordReader r(bytes);
    StateTaxSettings s = settings;  // the .and fields stay as they are
    EmployeeProfile p = profile;
    readBracketTables(r, s, kStateTables);
    readItems(r, kStateFileLine22, s, p);
    readItems(r, kStateFileLine23, s, p);
    if (!r.readWhole()) return false;
    settings = s;
    // An old file's state status "0", or an empty one, is "Single", as the profile window shows.
    copyStateFileProfileFields(completed(std::move(p)), profile);
    return true;
}

void copyStateFileProfileFields(const EmployeeProfile& from, EmployeeProfile& to) {
    for (std::span<const StateFileItem> line : {std::span<const StateFileItem>(kStateFileLine22), std::span<const StateFileItem>(kStateFileLine23)})
        for (const StateFileItem& item : line)
            std::visit(Overload{[&](float EmployeeProfile::* m) { to.*m = from.*m; },
                                [&](std::int16_t EmployeeProfile::* m) { to.*m = from.*m; },
                                [&](std::string EmployeeProfile::* m) { to.*m = from.*m; },
                                [](auto) {}},
                       item);
}

std::optional<std::vector<std::string>> saveStateFile(const std::filesystem::path& file,
                                                      const StateTaxSettings& settings,
                                                      const EmployeeProfile& profile) {
    auto bytes = writeStateFile(settings, profile);
    if (!bytes) return failedWriteMessage();
    if (auto failure = writeFileAtomically(file, *bytes)) return failedWriteMessage(*failure);
    return std::nullopt;
}

std::filesystem::path stateFilePath(const std::filesystem::path& folder, const std::string& userName) {
    return folder / (userName + ".sta");
}

}  // namespace orvane
