#pragma once
// The printer offset window: moves the check printout by whole columns and lines so that it
// meets the fields of the check stock. The offsets are kept with the profile.

#include <optional>
#include <variant>
#include <string>

#include "core/combo_box.h"
#include "core/controls.h"

namespace orvane {

// The offsets the boxes accept: far enough for any check stock, near enough that the check
// stays on its page.
inline constexpr int kLargestOffset = 20;

class dlgPrintSet {
public:
    dlgPrintSet();

    std::string Caption = "Printer Offset";
    Label lbHeading, lbHorz, lbVert, lbWeek, lbInstructions;
    ComboBox cboHorz, cboVert;
    CommandButton OKButton, cmdApply, CancelButton, cmdPreview;

    // Form_Load: the stored offsets as whole numbers (halves to the even number), the week.
    void Form_Load(float storedHorz, float storedVert, const std::string& txtWeek);

    struct Offsets {
        float cboHorz = 0, cboVert = 0;
    };
    // The two boxes as offsets, or the sentence saying which box is refused: a text that is not a
    // number, or an offset beyond kLargestOffset either way.
    std::variant<Offsets, std::string> offsets() const;
};

}  // namespace orvane
