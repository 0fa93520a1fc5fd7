#pragma once
// The header window "Print Out Heading": the four lines of the company header.

#include <array>
#include <string>

#include "core/controls.h"
#include "users/company_header.h"

namespace orvane {

class DialogHeader {
public:
    DialogHeader() {
        OKButton.caption = "OK";
        CancelButton.caption = "Cancel";
    }

    std::string Caption = "Print Out Heading";
    std::array<TextBox, 4> txtHeader;
    CommandButton OKButton, CancelButton;

    // Creation, after the header was read: each empty value gets its placeholder, and the boxes
    // show the values.
    void Form_Load(CompanyHeader& values) {
        for (int i = 0; i < 4; ++i) {
            if (values.txtHeader[i].empty()) values.txtHeader[i] = kHeaderPlaceholders[i];
            txtHeader[i].text = values.txtHeader[i];
        }
    }
    // "OK": the values from the boxes (the session then writes Header.sav).
    void OKButton_Click(CompanyHeader& values) const {
        for (int i = 0; i < 4; ++i) values.txtHeader[i] = txtHeader[i].text;
    }
};

}  // namespace orvane
