#pragma once
// The reaction search window as a model.

#include "app/Elements.h"

#include <string>

namespace zorbel {

struct Findfrm {
    Findfrm();
    Findfrm(const Findfrm&) = delete;
    Findfrm& operator=(const Findfrm&) = delete;

    /// The window's title bar.
    std::string caption;

    Label Label1;
    TextBox Usereqn1;
    TextBox Usereqn2;
    TextBox Usereqn3;
    Button FindCmdR;
    Label Frame2; ///< the frame around the results and their count
    ListBox SubLOS2copy;
    Label resultlbl;
    Label Frame1; ///< the frame around the sorted copy of the mechanism
    ListBox LOS2copy{true};
    Label tiplbl;
    Button Closefrm;

    /// True while the window is shown (it is modal).
    bool shown = false;
};

} // namespace zorbel
