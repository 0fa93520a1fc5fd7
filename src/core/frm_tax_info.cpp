#include "core/frm_tax_info.h"

#include <cmath>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "core/money.h"
#include "core/profile_completion.h"
#include "core/profile_fields.h"
#include "core/profile_files.h"
#include "core/text_encoding.h"

namespace orvane {

namespace {

std::string number(float v) { return shortestText(v); }
float leading(const TextBox& box) { return static_cast<float>(readNumber(box.text)); }
bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

// A count "0".."9", blanks around it allowed.
std::optional<int> count(const std::string& text) {
    if (blank(text) || !isWholeNumber(text)) return std::nullopt;
    double v = readNumber(text);
    if (v < 0 || v > 9 || v != std::floor(v)) return std::nullopt;
    return static_cast<int>(v);
}

template <class T>
T fromText(const char* text) {
    if constexpr (std::is_same_v<T, std::string>) return text;
    else if constexpr (std::is_same_v<T, bool>) return std::string_view(text) == "true";
    else if constexpr (std::is_same_v<T, float>) return static_cast<float>(readNumber(text));
    else return static_cast<T>(readNumber(text));
}

template <class C>
constexpr bool isButton = std::is_same_v<C, CheckBox> || std::is_same_v<C, OptionButton>;

}  // namespace

std::string frmTaxInfo::boxCaption(const std::string& box) {
    for (const auto& row : kProfileFields)
        if (box == row.name && row.caption) return row.caption;
    return box;
}

frmTaxInfo::frmTaxInfo() {
    lbFederal.caption = "FEDERAL STATUS";
    lbStateCity.caption = "STATE && CITY STATUS";
    for (ComboBox* c : {&cboStatus, &cboStatus2}) {
        c->list = {"Single", "Married"};
        c->tip = "Set Status";
    }
    for (ComboBox* c : {&cboDepend, &cboDepend2}) {
        for (int i = 0; i < 10; ++i) c->list.push_back(std::to_string(i));
        c->tip = "Set Exemptions";
    }
    for (const auto& row : kProfileFields) {
        if (!row.designText) continue;
        std::visit(
            [&](auto member) {
                auto& control = this->*member;
                if constexpr (isButton<std::decay_t<decltype(control)>>) control.caption = row.designText;
                else control.text = row.designText;
            },
            row.control);
    }
    cmdOk.caption = "Save";
    Command1.caption = "Close";
}

// Clicking one K plan box clears the other; clearing by program is not a click.
void frmTaxInfo::ckKpPer_Click(int) { ckKpFix.setQuietly(0); }
void frmTaxInfo::ckKpFix_Click(int) { ckKpPer.setQuietly(0); }

void frmTaxInfo::Form_Load(EmployeeProfile& p) {
    p = completed(std::move(p));
    fill(p);
    fillVar_(p);
}

void frmTaxInfo::fill(const EmployeeProfile& p) {
    for (const auto& row : kProfileFields)
        visitField(row, *this, p, [&](const auto& value, auto& control) {
            using V = std::decay_t<decltype(value)>;
            using C = std::decay_t<decltype(control)>;
            if constexpr (std::is_same_v<C, CheckBox>) control.setQuietly(value);
            else if constexpr (std::is_same_v<C, OptionButton>) control.value = value;
            else if constexpr (std::is_same_v<V, std::string>)
                control.text = value.empty() && row.shownWhenEmpty ? row.shownWhenEmpty : value;
            else if constexpr (std::is_same_v<V, float>) {
                control.text = number(value);
                if (row.whenZero && readNumber(control.text) == 0.0) control.text = row.whenZero;
            } else control.text = std::to_string(value);  // a count
        });
}

void frmTaxInfo::fillVar_(EmployeeProfile& p) const {
    for (const auto& row : kProfileFields)
        visitField(row, *this, p, [&](auto& value, const auto& control) {
            using V = std::decay_t<decltype(value)>;
            using C = std::decay_t<decltype(control)>;
            if constexpr (std::is_same_v<C, CheckBox>) value = static_cast<V>(control.value());
            else if constexpr (std::is_same_v<C, OptionButton>) value = control.value;
            else if constexpr (std::is_same_v<V, std::string>) value = control.text;
            else if constexpr (std::is_same_v<V, float>) {
                value = leading(control);
                if (row.whenZero && value == 0.0f) value = fromText<float>(row.whenZero);
            } else value = static_cast<V>(count(control.text).value_or(0));
        });
}

std::optional<std::string> frmTaxInfo::checkBoxes() const {
    const auto named = [](const ProfileField& row) { return "\"" + boxCaption(row.name) + "\""; };
    const auto textOf = [this](const ProfileField& row) {
        static const std::string none;
        return std::visit(
            [this](auto member) -> const std::string& {
                if constexpr (isButton<MemberValueT<decltype(member)>>) return none;
                else return (this->*member).text;
            },
            row.control);
    };
    for (const auto& row : kProfileFields) {
        if (row.check == FieldCheck::Number) {
            const std::string& text = textOf(row);
            if (blank(text) || !isWholeNumber(text)) return "Enter a number in " + named(row) + ".";
        } else if (row.check == FieldCheck::Count && !count(textOf(row))) {
            return "Enter a whole number from 0 to 9 in " + named(row) + ".";
        }
    }
    // Texts are kept in the profile files: each must be storable there.
    for (const auto& row : kProfileFields) {
        if (!std::holds_alternative<std::string EmployeeProfile::*>(row.member)) continue;
        const std::string& text = textOf(row);
        if (text.find('"') != std::string::npos) return named(row) + " holds a double quote, which cannot be saved.";
        if (text.find_first_of("\r\n") != std::string::npos)
            return named(row) + " holds a line break, which cannot be saved.";
        if (!cp1252FromUtf8(text)) return named(row) + " holds a character that cannot be saved.";
    }
    return std::nullopt;
}

void frmTaxInfo::ClearAll(EmployeeProfile& p) {
    for (const auto& row : kProfileFields)
        visitField(row, *this, p, [&](auto& value, auto&) { value = fromText<std::decay_t<decltype(value)>>(row.newUser); });
    fill(p);
}

}  // namespace orvane
