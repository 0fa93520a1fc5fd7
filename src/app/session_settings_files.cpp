// The state, city, non-city and leave files as parts of a user's file set: Open reads and checks
// them with the profile before anything changes, Save builds them before any file is written,
// New gives them a new user's values.

#include "app/session.h"

#include <tuple>
#include <utility>

#include "core/file_io.h"
#include "core/record_file.h"
#include "local/city_tax.h"
#include "local/local_files.h"
#include "state/state_registry.h"
#include "state/state_tax_settings.h"
#include "users/dialog_vac.h"
#include "users/leave_balances.h"

namespace orvane {

namespace {

// Reads one settings file into `into` when it exists. The file's name when it is damaged.
template <typename Settings, typename Parse>
std::optional<std::string> readPending(const std::filesystem::path& file, std::optional<Settings>& into, Parse parse) {
    into.reset();
    if (readRecordFile(file, into, parse) == ReadOutcome::Damaged) return file.filename().string();
    return std::nullopt;
}

using Written = std::variant<std::vector<PendingFile>, std::string>;

}  // namespace

void Session::copyStateIntoAndFile() { orvane::copyStateIntoAndFile(stateSettings, andFile); }

void Session::copyAndFileIntoState() { orvane::copyAndFileIntoState(andFile, stateSettings); }

void Session::addSettingsFileParts(std::vector<UserFilesPart>& parts) {
    // .sta: the state settings and five fields of the profile. It commits after the profile
    // part, so the fields it carries in .and are already there.
    struct PendingState {
        StateTaxSettings settings;
        EmployeeProfile profile;
        bool read = false;
    };
    auto state = std::make_shared<PendingState>();
    parts.push_back(UserFilesPart{
        "state",
        [this, state](const UserFileSet& set) -> std::optional<std::string> {
            state->read = false;
            const auto file = stateFilePath(set.folder, set.userName);
            std::pair<StateTaxSettings, EmployeeProfile> read{stateSettings, profile};
            const auto update = [](std::string_view bytes, std::pair<StateTaxSettings, EmployeeProfile>& both) {
                return readStateFile(bytes, both.first, both.second);
            };
            switch (updateFromRecordFile(file, read, update)) {
                case ReadOutcome::NoFile: return std::nullopt;
                case ReadOutcome::Damaged: return file.filename().string();
                case ReadOutcome::Read: break;
            }
            std::tie(state->settings, state->profile) = read;
            state->read = true;
            return std::nullopt;
        },
        [this, state] {
            discardWindow("DialogState");
            if (state->read) {
                stateSettings = state->settings;
                copyStateFileProfileFields(state->profile, profile);
                copyAndFileIntoState();
            } else {
                // A user without a state file starts from the built-in table, not the previous user's.
                copyAndFileIntoState();
                LoadDefaultStateForNewUser();
            }
        },
        [this](const UserFileSet& set) -> Written {
            auto bytes = writeStateFile(stateSettings, profile);
            if (!bytes) return std::string("The state settings hold a text that cannot be saved.");
            return std::vector<PendingFile>{{stateFilePath(set.folder, set.userName), std::move(*bytes)}};
        },
        [this] { LoadDefaultStateForNewUser(); },
    });

    auto city = std::make_shared<std::optional<CityTaxSettings>>();
    parts.push_back(UserFilesPart{
        "city",
        [city](const UserFileSet& set) { return readPending(set.folder / (set.userName + ".cti"), *city, parseCityFile); },
        [this, city] {
            if (*city) takeCitySettings(**city);
            else resetCity();
        },
        [this](const UserFileSet& set) -> Written {
            return std::vector<PendingFile>{{set.folder / (set.userName + ".cti"), cityFileBytes(citySettings())}};
        },
        [this] { resetCity(); },
    });

    auto nonCity = std::make_shared<std::optional<NonCityTaxSettings>>();
    parts.push_back(UserFilesPart{
        "non-city",
        [nonCity](const UserFileSet& set) {
            return readPending(set.folder / (set.userName + ".nci"), *nonCity, parseNonCityFile);
        },
        [this, nonCity] {
            if (*nonCity) takeNonCitySettings(**nonCity);
            else resetNonCity();
        },
        [this](const UserFileSet& set) -> Written {
            return std::vector<PendingFile>{{set.folder / (set.userName + ".nci"), nonCityFileBytes(nonCitySettings())}};
        },
        nullptr,  // a new user keeps the non-city settings
    });

    auto leave = std::make_shared<std::optional<LeaveBalances>>();
    parts.push_back(UserFilesPart{
        "leave",
        [leave](const UserFileSet& set) { return readPending(set.folder / (set.userName + ".hol"), *leave, parseLeaveFile); },
        [this, leave] { takeLeaveBalances(*leave ? **leave : LeaveBalances{}); },
        [this](const UserFileSet& set) -> Written {
            DialogVac& d = dialogVac();
            d.takeRecord();
            LeaveFileBytes bytes = leaveFileBytes(d.record);
            if (bytes.refusal) return *bytes.refusal;
            return std::vector<PendingFile>{{set.folder / (set.userName + ".hol"), std::move(bytes.bytes)}};
        },
        [this] { clearVac(); },
    });
}

}  // namespace orvane
