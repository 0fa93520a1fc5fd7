#pragma once
// The profile files of a user: .use (pay, deductions, frequency, captions, the overtime summary),
// .and (the employee's identity, the K plan flags, settings of the state and check-offset windows)
// and .cfe (cafeteria plan and self-employment), with the overtime table file of the current
// frequency. Written together by SaveOT, read together by LoadUser.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/employee_profile.h"
#include "core/file_io.h"
#include "core/overtime_table.h"
#include "core/record_text_format.h"

namespace orvane {

// The settings of other windows that .and carries, and its spare items, kept as read.
struct AndFileSettings {
    float cboHorz = 0, cboVert = 0;  // check printer offsets
    std::int16_t ckSpouse = 0;       // state window
    float txtCalAllow = 0;           // state window
    std::array<float, 5> spareNumbers{};  // record 2 items 2 and 3, record 3
    std::array<bool, 3> spareBooleans{};
    std::array<std::string, 2> spareTexts;
    std::int16_t ckRoundOff = 0, ckIdaho = 0, ckWiscon = 0, ckAlabama = 0, ckNC = 0;  // state window
    std::array<std::int16_t, 2> spareIntegers{};

    bool operator==(const AndFileSettings&) const = default;
};

// Everything the profile files hold.
struct ProfileFiles {
    EmployeeProfile profile;
    OvertimeTable overtime;
    AndFileSettings andFile;
    std::array<Variant, 16> useSpares{};  // records 9 to 12 of .use

    bool operator==(const ProfileFiles&) const = default;
};

// What record 2 of .use stores: the salary and percentage as the overtime window's boxes hold
// them, and the present percentage rounded to two decimals.
struct OvertimeBoxes {
    double annual = 0, approvedPercent = 0, presentPercent = 0;
};
OvertimeBoxes overtimeBoxesFrom(const OvertimeTable& table);

// The bytes of each file. A text that cannot be stored makes the writer refuse (nothing, with
// the sentence in `refusal`).
std::optional<std::string> writeUseFile(const ProfileFiles& files, const OvertimeBoxes& boxes, std::string* refusal = nullptr);
std::optional<std::string> writeAndFile(const ProfileFiles& files, std::string* refusal = nullptr);
std::string writeCfeFile(const ProfileFiles& files);

// Each reader fills `files` only when the whole file was read; false (nothing changed) when the
// file is short or damaged.
bool readUseFile(std::string_view bytes, ProfileFiles& files);
bool readAndFile(std::string_view bytes, ProfileFiles& files);
bool readCfeFile(std::string_view bytes, ProfileFiles& files);

// SaveOT's files, in order: .use, .and, .cfe and the overtime file of the current frequency,
// named `base` followed by the extension. A refusal sentence when a text cannot be stored.
std::variant<std::vector<PendingFile>, std::string> profileFilesToWrite(const ProfileFiles& files,
                                                                        const OvertimeBoxes& boxes,
                                                                        const std::filesystem::path& folder,
                                                                        const std::string& base);

// LoadUser's reading: whichever of the files exist are read into a copy of `current`; a missing
// file leaves its fields; the profile comes back completed (core/profile_completion.h). The name
// of the first damaged file when one cannot be read.
std::variant<ProfileFiles, std::string> readProfileFiles(ProfileFiles current, const std::filesystem::path& folder,
                                                         const std::string& base);

// The K plan flags as the profile writer and the user information window leave them: one of the
// two is set, the percent flag when neither is.
void settleKplanFlags(EmployeeProfile& profile);

}  // namespace orvane
