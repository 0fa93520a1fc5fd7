#pragma once
// The profile's fields, one row each: the record member, the control of the user information
// window that edits it, where the profile files keep it, and its defaults and checks. The
// window's creation, fill, take-back, new-user reset and checks, and the profile files' writer
// and reader, all go by these rows; the items of the profile files that are not profile fields
// (the overtime summary, the other windows' settings, the spares) have rows of their own below.
//
// A new field: its member in EmployeeProfile, its control in frmTaxInfo, one row here (taking a
// spare item of a file, whose spare row then shrinks), and its widget in the view.

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "core/combo_box.h"
#include "core/controls.h"
#include "core/employee_profile.h"
#include "core/frm_tax_info.h"
#include "core/profile_files.h"

namespace orvane {

// Where an item is kept. State: in the state window's file, not in the profile files.
enum class ProfileFile { Use, And, Cfe, State };

// A 1-based record and the 0-based place of the item in it.
struct FileSlot {
    ProfileFile file = ProfileFile::State;
    int record = 0;
    int item = 0;
};

// What "Save" asks of a box before taking it; every text is also checked to be storable.
enum class FieldCheck { None, Number, Count };

using ProfileMember = std::variant<float EmployeeProfile::*, std::string EmployeeProfile::*,
                                   std::int16_t EmployeeProfile::*, bool EmployeeProfile::*>;
using TaxInfoControl =
    std::variant<TextBox frmTaxInfo::*, ComboBox frmTaxInfo::*, CheckBox frmTaxInfo::*, OptionButton frmTaxInfo::*>;

struct ProfileField {
    const char* name;  // the member's and the control's name
    ProfileMember member;
    TaxInfoControl control;
    FileSlot slot;
    const char* newUser;                  // ClearAll's value, as text ("true"/"false" for an option)
    const char* designText = nullptr;     // the control's text or caption before anything fills it
    const char* caption = nullptr;        // what messages call the box; its name when none
    const char* fileLabel = nullptr;      // what a refused text is called by the file writer
    FieldCheck check = FieldCheck::None;
    const char* whenEmpty = nullptr;       // creation: an empty field becomes this
    bool zeroIsEmpty = false;              // creation: "0" (an old file's status) counts as empty
    const char* shownWhenEmpty = nullptr;  // fill: an empty field shows this
    const char* whenZero = nullptr;        // fill and take-back: a numeric value of 0 becomes this
};

// Short names for the rows.
namespace rows {
using P = EmployeeProfile;
using W = frmTaxInfo;
using O = OvertimeTable;
using A = AndFileSettings;
inline constexpr ProfileFile kUse = ProfileFile::Use, kAnd = ProfileFile::And, kCfe = ProfileFile::Cfe,
                             kSta = ProfileFile::State;

// In the record's order, which is also the order of the checks at "Save".
inline constexpr ProfileField kProfileFields[] = {
    {.name = "txtHourRate", .member = &P::txtHourRate, .control = &W::txtHourRate, .slot = {kUse, 3, 0},
     .newUser = "0", .caption = "Hourly Rate 1", .whenZero = "7.5"},
    {.name = "txtHourRate2", .member = &P::txtHourRate2, .control = &W::txtHourRate2, .slot = {kUse, 3, 1},
     .newUser = "0", .caption = "Hourly Rate 2", .check = FieldCheck::Number},
    {.name = "txtTipsRate", .member = &P::txtTipsRate, .control = &W::txtTipsRate, .slot = {kUse, 3, 2},
     .newUser = "0", .caption = "Tips Rate", .check = FieldCheck::Number},
    {.name = "cboStatus", .member = &P::cboStatus, .control = &W::cboStatus, .slot = {kUse, 4, 1},
     .newUser = "Single", .designText = "Single", .caption = "Status (FEDERAL STATUS)", .fileLabel = "Status",
     .whenEmpty = "Single"},
    {.name = "cboDepend", .member = &P::cboDepend, .control = &W::cboDepend, .slot = {kUse, 4, 0},
     .newUser = "0", .caption = "Exemptions (FEDERAL STATUS)", .fileLabel = "Exemptions",
     .check = FieldCheck::Count, .whenEmpty = "0"},
    {.name = "cboStatus2", .member = &P::cboStatus2, .control = &W::cboStatus2, .slot = {kSta},
     .newUser = "Single", .designText = "Single", .caption = "Status (STATE & CITY STATUS)",
     .whenEmpty = "Single", .zeroIsEmpty = true},
    {.name = "cboDepend2", .member = &P::cboDepend2, .control = &W::cboDepend2, .slot = {kSta},
     .newUser = "0", .caption = "Exemptions (STATE & CITY STATUS)", .check = FieldCheck::Count},
    {.name = "txtPension", .member = &P::txtPension, .control = &W::txtPension, .slot = {kUse, 4, 2}, .newUser = "0"},
    {.name = "txtMuni", .member = &P::txtMuni, .control = &W::txtMuni, .slot = {kUse, 5, 0}, .newUser = "0"},
    {.name = "txtBond", .member = &P::txtBond, .control = &W::txtBond, .slot = {kUse, 5, 1}, .newUser = "0"},
    {.name = "txtDues", .member = &P::txtDues, .control = &W::txtDues, .slot = {kUse, 6, 0}, .newUser = "0"},
    {.name = "txtMisc", .member = &P::txtMisc, .control = &W::txtMisc, .slot = {kUse, 5, 2}, .newUser = "0"},
    {.name = "txtKplan", .member = &P::txtKplan, .control = &W::txtKplan, .slot = {kUse, 6, 1}, .newUser = "0"},
    {.name = "ckKpPer", .member = &P::ckKpPer, .control = &W::ckKpPer, .slot = {kAnd, 9, 0}, .newUser = "1",
     .designText = "%"},
    {.name = "ckKpFix", .member = &P::ckKpFix, .control = &W::ckKpFix, .slot = {kAnd, 9, 1}, .newUser = "0",
     .designText = "$"},
    {.name = "txtCafe", .member = &P::txtCafe, .control = &W::txtCafe, .slot = {kCfe, 1, 0}, .newUser = "0"},
    {.name = "ckCafeState", .member = &P::ckCafeState, .control = &W::ckCafeState, .slot = {kCfe, 1, 1},
     .newUser = "0", .designText = "Deduct State"},
    {.name = "ckSelfEmp", .member = &P::ckSelfEmp, .control = &W::ckSelfEmp, .slot = {kCfe, 1, 2}, .newUser = "0",
     .designText = "Self Employed"},
    {.name = "ckNonCity", .member = &P::ckNonCity, .control = &W::ckNonCity, .slot = {kUse, 6, 2}, .newUser = "0",
     .designText = "NON-CITY Resident"},
    {.name = "ckFedExemp", .member = &P::ckFedExemp, .control = &W::ckFedExemp, .slot = {kSta}, .newUser = "0",
     .designText = "Federal Tax Exempt"},
    {.name = "ckSSMediExemp", .member = &P::ckSSMediExemp, .control = &W::ckSSMediExemp, .slot = {kSta},
     .newUser = "0", .designText = "S.S. & Medicare Tax Exempt"},
    {.name = "txtFedAddL", .member = &P::txtFedAddL, .control = &W::txtFedAddL, .slot = {kSta}, .newUser = "0"},
    {.name = "optWeek", .member = &P::optWeek, .control = &W::optWeek, .slot = {kUse, 7, 0}, .newUser = "true",
     .designText = "Weekly"},
    {.name = "optBiWeek", .member = &P::optBiWeek, .control = &W::optBiWeek, .slot = {kUse, 7, 1},
     .newUser = "false", .designText = "Bi-Weekly"},
    // The three texts of an empty city line differ by path: design, creation, new user.
    {.name = "txtName", .member = &P::txtName, .control = &W::txtName, .slot = {kAnd, 6, 0},
     .newUser = "Employee's Name", .designText = "Employee's Name", .caption = "Employee's Name",
     .fileLabel = "Employee's Name", .whenEmpty = "Employee's Name"},
    {.name = "txtAddress", .member = &P::txtAddress, .control = &W::txtAddress, .slot = {kAnd, 5, 0},
     .newUser = "Employee's Address for Check", .designText = "Employee's Address for Check",
     .caption = "Employee's Address for Check", .fileLabel = "Employee's Address for Check",
     .whenEmpty = "Employee's Address for Check"},
    {.name = "txtStateCityZip", .member = &P::txtStateCityZip, .control = &W::txtStateCityZip,
     .slot = {kAnd, 5, 1}, .newUser = "State, City Zip Code", .designText = "City, State, Zip Code",
     .caption = "City, State, Zip Code", .fileLabel = "City, State, Zip Code", .whenEmpty = "City, State Zip Code"},
    {.name = "txtSSnum", .member = &P::txtSSnum, .control = &W::txtSSnum, .slot = {kAnd, 5, 2},
     .newUser = "Soc Sec #", .designText = "Social Security Number", .caption = "Social Security Number",
     .fileLabel = "Social Security Number", .whenEmpty = "Soc Sec #"},
    // The deduction captions: design texts, then the texts an empty caption shows.
    {.name = "txtTax5", .member = &P::txtTax5, .control = &W::txtTax5, .slot = {kUse, 7, 2}, .newUser = "CrUnion",
     .designText = "Credit", .caption = "deduction caption 1", .fileLabel = "Credit", .shownWhenEmpty = "CrUnion"},
    {.name = "txtTax6", .member = &P::txtTax6, .control = &W::txtTax6, .slot = {kUse, 8, 0}, .newUser = "Bond",
     .designText = "Bond", .caption = "deduction caption 2", .fileLabel = "Bond", .shownWhenEmpty = "Bond"},
    {.name = "txtTax7", .member = &P::txtTax7, .control = &W::txtTax7, .slot = {kUse, 8, 1}, .newUser = "Dues",
     .designText = "Dues", .caption = "deduction caption 3", .fileLabel = "Dues", .shownWhenEmpty = "Dues"},
    {.name = "txtTax8", .member = &P::txtTax8, .control = &W::txtTax8, .slot = {kUse, 8, 2}, .newUser = "Pension",
     .designText = "Pension", .caption = "deduction caption 4", .fileLabel = "Pension", .shownWhenEmpty = "Pension"},
    {.name = "txtTax9", .member = &P::txtTax9, .control = &W::txtTax9, .slot = {kUse, 8, 3}, .newUser = "Misc.",
     .designText = "Misc.", .caption = "deduction caption 5", .fileLabel = "Misc.", .shownWhenEmpty = "Misc."},
};

}  // namespace rows

using rows::kProfileFields;

// The other items of the profile files. A run of `count` items holds the elements of an array
// from `first` on. `asDouble`: a single written as a double item; `box`: written from the
// overtime window's box instead of the record (both read back as singles).
using StoredMember =
    std::variant<float OvertimeTable::*, float AndFileSettings::*, std::int16_t AndFileSettings::*,
                 std::array<float, 5> AndFileSettings::*, std::array<bool, 3> AndFileSettings::*,
                 std::array<std::string, 2> AndFileSettings::*, std::array<std::int16_t, 2> AndFileSettings::*,
                 std::array<Variant, 16> ProfileFiles::*>;

struct FileItem {
    FileSlot slot;
    StoredMember member;
    int first = 0, count = 1;
    bool asDouble = false;
    double OvertimeBoxes::* box = nullptr;
    const char* fileLabel = "spare";
};

namespace rows {

inline constexpr FileItem kProfileFileItems[] = {
    // .use: the overtime summary, the spares.
    {.slot = {kUse, 1, 0}, .member = &O::OtEarned},
    {.slot = {kUse, 1, 1}, .member = &O::OtMaxAmount, .asDouble = true},
    {.slot = {kUse, 1, 2}, .member = &O::OtAvailable, .asDouble = true},
    {.slot = {kUse, 2, 0}, .member = &O::AnnualSalary, .box = &OvertimeBoxes::annual},
    {.slot = {kUse, 2, 1}, .member = &O::ApprovedPercent, .box = &OvertimeBoxes::approvedPercent},
    {.slot = {kUse, 2, 2}, .member = &O::PresentPercent, .box = &OvertimeBoxes::presentPercent},
    {.slot = {kUse, 9, 0}, .member = &ProfileFiles::useSpares, .first = 0, .count = 4},
    {.slot = {kUse, 10, 0}, .member = &ProfileFiles::useSpares, .first = 4, .count = 4},
    {.slot = {kUse, 11, 0}, .member = &ProfileFiles::useSpares, .first = 8, .count = 4},
    {.slot = {kUse, 12, 0}, .member = &ProfileFiles::useSpares, .first = 12, .count = 4},
    // .and: the check offsets and the state window's settings, the spares.
    {.slot = {kAnd, 1, 0}, .member = &A::cboHorz},
    {.slot = {kAnd, 1, 1}, .member = &A::cboVert},
    {.slot = {kAnd, 1, 2}, .member = &A::ckSpouse},
    {.slot = {kAnd, 2, 0}, .member = &A::txtCalAllow},
    {.slot = {kAnd, 2, 1}, .member = &A::spareNumbers, .first = 0, .count = 2},
    {.slot = {kAnd, 3, 0}, .member = &A::spareNumbers, .first = 2, .count = 3},
    {.slot = {kAnd, 4, 0}, .member = &A::spareBooleans, .first = 0, .count = 3},
    {.slot = {kAnd, 6, 1}, .member = &A::spareTexts, .first = 0, .count = 2},
    {.slot = {kAnd, 7, 0}, .member = &A::ckRoundOff},
    {.slot = {kAnd, 7, 1}, .member = &A::ckIdaho},
    {.slot = {kAnd, 7, 2}, .member = &A::ckWiscon},
    {.slot = {kAnd, 7, 3}, .member = &A::ckAlabama},
    {.slot = {kAnd, 8, 0}, .member = &A::ckNC},
    {.slot = {kAnd, 8, 1}, .member = &A::spareIntegers, .first = 0, .count = 2},
};

}  // namespace rows

using rows::kProfileFileItems;

// The name of the field a control of the window edits; nullptr for the window's other controls.
constexpr const char* fieldName(TaxInfoControl control) {
    for (const auto& row : kProfileFields)
        if (row.control == control) return row.name;
    return nullptr;
}

// The type a member pointer leads to.
template <class> struct MemberValue;
template <class T, class C> struct MemberValue<T C::*> { using type = T; };
template <class M> using MemberValueT = typename MemberValue<M>::type;

// A number or a text shows in a box, a count in a combo box or a check box, an option in an
// option button.
template <class V, class C>
inline constexpr bool kShownBy =
    ((std::is_same_v<V, float> || std::is_same_v<V, std::string>) &&
     (std::is_same_v<C, TextBox> || std::is_same_v<C, ComboBox>)) ||
    (std::is_same_v<V, std::int16_t> && (std::is_same_v<C, ComboBox> || std::is_same_v<C, CheckBox>)) ||
    (std::is_same_v<V, bool> && std::is_same_v<C, OptionButton>);

constexpr bool fitsItsControl(const ProfileField& row) {
    return std::visit(
        [](auto member, auto control) {
            return kShownBy<MemberValueT<decltype(member)>, MemberValueT<decltype(control)>>;
        },
        row.member, row.control);
}

// Calls f(value, control) with the row's member of `profile` and its control of `window`, each
// as its own type.
template <class Window, class Profile, class F>
void visitField(const ProfileField& row, Window& window, Profile& profile, F&& f) {
    std::visit(
        [&](auto member, auto control) {
            if constexpr (kShownBy<MemberValueT<decltype(member)>, MemberValueT<decltype(control)>>)
                f(profile.*member, window.*control);
        },
        row.member, row.control);
}

// Calls f(value) with the row's member of `profile`, as its own type.
template <class Profile, class F>
void visitMember(const ProfileField& row, Profile& profile, F&& f) {
    std::visit([&](auto member) { f(profile.*member); }, row.member);
}

template <class> struct MemberClass;
template <class T, class C> struct MemberClass<T C::*> { using type = C; };
template <class T> struct IsStdArray : std::false_type {};
template <class T, std::size_t N> struct IsStdArray<std::array<T, N>> : std::true_type {};

// The record of `files` a member belongs to.
template <class Part, class Files>
auto& partOf(Files& files) {
    if constexpr (std::is_same_v<Part, EmployeeProfile>) return (files.profile);
    else if constexpr (std::is_same_v<Part, OvertimeTable>) return (files.overtime);
    else if constexpr (std::is_same_v<Part, AndFileSettings>) return (files.andFile);
    else return files;
}

// Calls f(value) on each value the item, or the run of items, holds in `files`.
template <class Files, class F>
void visitStored(const FileItem& item, Files& files, F&& f) {
    std::visit(
        [&](auto member) {
            auto& value = partOf<typename MemberClass<decltype(member)>::type>(files).*member;
            if constexpr (IsStdArray<std::remove_cvref_t<decltype(value)>>::value) {
                for (int k = item.first; k < item.first + item.count; ++k) f(value[static_cast<std::size_t>(k)]);
            } else {
                f(value);
            }
        },
        item.member);
}

// Each profile file's items fill its records 1, 2, ... with no gap and no item twice.
constexpr bool fileSlotsAreWhole(ProfileFile file) {
    int lastRecord = 0;
    for (const auto& f : kProfileFields)
        if (f.slot.file == file && f.slot.record > lastRecord) lastRecord = f.slot.record;
    for (const auto& i : kProfileFileItems)
        if (i.slot.file == file && i.slot.record > lastRecord) lastRecord = i.slot.record;
    for (int record = 1; record <= lastRecord; ++record) {
        std::array<int, 16> taken{};
        int items = 0;
        const auto take = [&](int from, int count) {
            for (int k = from; k < from + count; ++k) {
                if (k < 0 || k >= 16) return false;
                ++taken[k];
                ++items;
            }
            return true;
        };
        for (const auto& f : kProfileFields)
            if (f.slot.file == file && f.slot.record == record && !take(f.slot.item, 1)) return false;
        for (const auto& i : kProfileFileItems)
            if (i.slot.file == file && i.slot.record == record && !take(i.slot.item, i.count)) return false;
        if (items == 0) return false;
        for (int k = 0; k < 16; ++k)
            if (taken[k] != (k < items ? 1 : 0)) return false;
    }
    return lastRecord > 0;
}

constexpr bool profileFieldsFit() {
    for (const auto& row : kProfileFields)
        if (!fitsItsControl(row) || !row.newUser) return false;
    return true;
}

static_assert(profileFieldsFit(), "a profile field is tied to a control that cannot show it");
static_assert(fileSlotsAreWhole(ProfileFile::Use) && fileSlotsAreWhole(ProfileFile::And) &&
                  fileSlotsAreWhole(ProfileFile::Cfe),
              "a profile file's records have a gap or an item twice");

}  // namespace orvane
