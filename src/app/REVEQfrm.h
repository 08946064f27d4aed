#pragma once
// The main window as a model: every element the commands read and write, with its
// caption, tooltip and start state. The desktop window draws it; nothing here knows Qt.

#include "app/Elements.h"

#include <array>

namespace zorbel {

struct REVEQfrm {
    REVEQfrm();
    REVEQfrm(const REVEQfrm&) = delete;
    REVEQfrm& operator=(const REVEQfrm&) = delete;

    enum Tab { ThermoTab = 0, MechanismTab = 1, SettingsTab = 2, AboutTab = 3 };
    int currentTab = AboutTab;

    // Tab 1: thermodynamic database.
    Button CMD1;
    Label Lbl3;
    ListBox LOS1{true};
    Label List1Nbr;
    Label Lbl1;
    std::array<TextBox, 26>
        PropTxt; ///< 0-13 coefficients, 14-19 slots, 20-22 forward, 23-25 reverse
    Label Lbl8;
    Label Lbl10;
    Label Lbl11;
    Label LblCp1;
    Label Label2;
    Label Label3;
    TextBox TXT1K;
    TextBox TXT1KH;
    TextBox TXT1KS;
    Label cplbl1;
    Label hlbl1;
    Label slbl1;
    TextBox TXT1CP;
    TextBox TXT1H;
    TextBox TXT1S;
    TextBox TXT1CPBis;
    TextBox TXT1HBis;
    TextBox TXT1SBis;
    Label LblH1;

    // Tab 2: mechanism.
    Button CMD2;
    Label Label4;
    ListBox LOS2;
    Label List2Nbr;
    Label Lbl2;
    Button FindCmd;
    std::array<Label, 4> PlusLbl;
    Label EgalLbl;
    Button CMD3;
    Label flbl;
    Label rlbl;
    Label flbl1;
    Label flbl2;
    Label flbl3;
    Label rlbl1;
    Label rlbl2;
    Label rlbl3;
    OptionButton Option1;
    OptionButton Option2;
    Label Templbl;
    Label lblerror;
    Label lblerror2;
    Button CMD4;
    Button CMD5;
    Button CMD6;
    ProgressBar ProgBar;
    Label timeremaining;
    /// Stops a batch run after the reaction it is on; only a run in progress heeds it.
    Button CancelCMD;

    // Tab 3: settings.
    CheckBox Chk1;
    Label Label6;
    TextBox Hot2txt;
    TextBox Cold2txt;
    CheckBox Chk2;
    /// The reversed mechanisms hold every line of the mechanism file, falloff and PLOG
    /// reactions as irreversible pairs; off, they hold the reaction lines alone.
    CheckBox WholeMechanismChk;
    /// S/R and H/RT at full double precision instead of their four-digit texts.
    CheckBox ExactThermoChk;
    /// The largest error of a reverse rate in the whole mechanism [%]; empty for none.
    Label MaxErrorLbl;
    TextBox MaxErrortxt;
    /// The fit of every reversed law: least squares on ln k, or the smallest largest error.
    Label FitLbl;
    OptionButton LeastSquaresOpt;
    OptionButton MinimaxOpt;
    Label Label1;
    TextBox Ntxt;
    Label Label5;
    TextBox Hottxt;
    TextBox Coldtxt;
    /// Puts the settings back as they are at start.
    Button DefaultsCMD;

    // Tab 4: about.
    std::array<TextBox, 3> aboutxt;
    TextBox aboutxt3;
    TextBox aboutxt4;

    // Outside the tabs.
    Button HelpCMD;
    Button QuitCMD;
    ResultsGrid MSFG;
    ListBox LOS3;
    ListBox LOS4;
    Label Label7;

    /// The index of a PropTxt box of the reaction panel.
    static constexpr int FirstSlot = 14;
    static constexpr int ForwardA = 20;
    static constexpr int ForwardN = 21;
    static constexpr int ForwardEa = 22;
    static constexpr int ReverseA = 23;
    static constexpr int ReverseN = 24;
    static constexpr int ReverseEa = 25;
};

} // namespace zorbel
