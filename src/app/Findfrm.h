#pragma once
// The reaction search window as a model.

#include "app/Elements.h"

namespace zorbel {

struct Findfrm {
    Findfrm();
    Findfrm(const Findfrm&) = delete;
    Findfrm& operator=(const Findfrm&) = delete;

    Label Label1;
    TextBox Usereqn1;
    TextBox Usereqn2;
    TextBox Usereqn3;
    Button FindCmdR;
    ListBox SubLOS2copy;
    Label resultlbl;
    ListBox LOS2copy{true};
    Label tiplbl;
    Button Closefrm;

    /// True while the window is shown (it is modal).
    bool shown = false;
};

} // namespace zorbel
