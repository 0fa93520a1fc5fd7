#include "users/frm_date.h"

namespace orvane {

DatePickerWindow::DatePickerWindow(std::string okCaption, std::function<void(const std::string&)> setText)
    : m_setText(std::move(setText)) {
    Command1.caption = std::move(okCaption);
}

void DatePickerWindow::Form_Load(const std::string& boxText, const Date& today) {
    const Date fallback = DTPicker1.inRange(today) ? today : kFirstDayOfTaxYear;
    if (boxText.find_first_not_of(' ') == std::string::npos) {
        DTPicker1.value = fallback;
        return;
    }
    auto first = boxText.find_first_not_of(' ');
    auto date = parseShortDate(boxText.substr(first, boxText.find_last_not_of(' ') - first + 1));
    if (date && DTPicker1.inRange(*date)) {
        DTPicker1.value = *date;
        return;
    }
    m_setText(shortDate(today));
    DTPicker1.value = fallback;
}

void DatePickerWindow::DTPicker1_Change(const Date& date) {
    if (!DTPicker1.inRange(date)) return;
    DTPicker1.value = date;
    m_setText(shortDate(date));
}

void DatePickerWindow::Command1_Click() {
    m_setText(shortDate(DTPicker1.value));
    closed = true;
}

}  // namespace orvane
