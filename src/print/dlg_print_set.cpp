#include "print/dlg_print_set.h"

#include <cmath>

#include "core/money.h"

namespace orvane {

dlgPrintSet::dlgPrintSet() {
    lbHeading = makeLabel("OFFSET ADJUSTMENT");
    lbHorz = makeLabel("Horizontal ");
    lbVert = makeLabel("Vertical");
    lbInstructions = makeLabel(
        "Before printing on actual checks, print on plain printer paper. Match up by holding the printed paper "
        "behind the actual blank check sheet and hold up to light. To adust change settings above until disired "
        "settings are achived");
    cboHorz.list = cboVert.list = {"+5", "+4", "+3", "+2", "+1", "0", "-1", "-2", "-3", "-4", "-5"};
    OKButton = makeButton("Print Check");
    cmdApply = makeButton("&Apply");
    CancelButton = makeButton("&Cancel");
    cmdPreview = makeButton("Pre&view");  // the check with the offsets in the boxes, in the print preview
}

void dlgPrintSet::Form_Load(float storedHorz, float storedVert, const std::string& txtWeek) {
    const auto whole = [](float v) {
        const double r = std::isfinite(v) ? std::nearbyint(static_cast<double>(v)) : 0.0;
        return shortestText(r == 0.0 ? 0.0 : r);
    };
    cboHorz.text = whole(storedHorz);
    cboVert.text = whole(storedVert);
    lbWeek.caption = txtWeek;
}

std::variant<dlgPrintSet::Offsets, std::string> dlgPrintSet::offsets() const {
    Offsets o;
    struct Box {
        const ComboBox& box;
        const char* name;
        float& into;
    };
    for (Box b : {Box{cboHorz, "Horizontal", o.cboHorz}, Box{cboVert, "Vertical", o.cboVert}}) {
        // The list offers "+5" to "+1": a plus sign before the number is part of it.
        std::string text = b.box.text;
        const size_t first = text.find_first_not_of(' ');
        if (first != std::string::npos && text[first] == '+') text.erase(first, 1);
        if (!isWholeNumber(text))
            return "The " + std::string(b.name) + " offset \"" + b.box.text + "\" is not a number.";
        const double v = readNumber(text);
        if (std::fabs(v) > kLargestOffset)
            return "The " + std::string(b.name) + " offset must be between -" + std::to_string(kLargestOffset) +
                   " and +" + std::to_string(kLargestOffset) + ".";
        b.into = static_cast<float>(v);
    }
    return o;
}

}  // namespace orvane
