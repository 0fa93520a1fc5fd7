#pragma once
// The check page (PrintCheck): the check itself, then two stubs, every column moved by the
// horizontal offset and the check moved down by the vertical one.

#include <string>

#include "print/pay_stub.h"

namespace orvane {

// The checks window's boxes as printing reads them.
struct CheckBoxes {
    std::string txtCheckDate, txtPayTo, txtCheckAmt, txtUserName, txtUserAddress, txtUserState, txtUserSSnum, txtMemo;
};

struct CheckInputs {
    StubInputs stub;
    CheckBoxes boxes;
    std::string AmountWords;  // the words of the last fill of the checks window
    int H = 0;                // columns to the right
    int V = 3;                // the vertical offset plus 3: empty lines above the date, less one
};

// The offsets as printing takes them: H the horizontal offset rounded, V the vertical one plus 3,
// rounded (halves to the even number).
int horizontalShift(float cboHorz);
int verticalShift(float cboVert);

PrintDocument PrintCheck(const CheckInputs& in);

}  // namespace orvane
