#include "app/REVEQfrm.h"

#include "app/AppTexts.h"

namespace zorbel {

namespace {

void setUp(Button& button, std::string_view caption, std::string_view tip = {}) {
    button.caption = std::string(caption);
    button.setTooltip(std::string(tip));
}

void setUp(Label& label, std::string_view caption, bool bold = false) {
    label.setCaption(std::string(caption));
    label.setBold(bold);
}

void setUpResultBox(TextBox& box, Colour colour, bool visible) {
    box.readOnly = true;
    box.setBackground(colour);
    box.setVisible(visible);
}

/// The thermodynamic database tab.
void setUpThermoTab(REVEQfrm& form) {
    setUp(form.CMD1, texts::CMD1Caption, texts::CMD1Tip);
    setUp(form.Lbl3, texts::Lbl3Caption);
    setUp(form.List1Nbr, texts::ZeroCount);
    for (auto& box : form.PropTxt)
        box.readOnly = true;
    setUp(form.Lbl11, texts::StarCaption, true);
    setUp(form.Lbl10, texts::StarCaption, true);
    setUp(form.LblCp1, texts::TemperatureInputCaption);
    setUp(form.Label2, texts::TemperatureInputCaption);
    setUp(form.Label3, texts::TemperatureInputCaption);
    setUp(form.cplbl1, texts::CpCaption);
    setUp(form.hlbl1, texts::HCaption);
    setUp(form.slbl1, texts::SCaption);
    setUpResultBox(form.TXT1CP, Colour::Grey, true);
    setUpResultBox(form.TXT1H, Colour::Grey, true);
    setUpResultBox(form.TXT1S, Colour::Grey, true);
    setUpResultBox(form.TXT1CPBis, Colour::Grey, false);
    setUpResultBox(form.TXT1HBis, Colour::Grey, false);
    setUpResultBox(form.TXT1SBis, Colour::Grey, false);
}

/// The mechanism tab: the reaction panel and the reversal commands.
void setUpMechanismTab(REVEQfrm& form) {
    setUp(form.CMD2, texts::CMD2Caption, texts::CMD2Tip);
    setUp(form.Label4, texts::Label4Caption);
    setUp(form.List2Nbr, texts::ZeroCount);
    setUp(form.FindCmd, texts::FindCmdCaption, texts::FindCmdTip);
    for (auto& plus : form.PlusLbl)
        setUp(plus, texts::PlusCaption, true);
    setUp(form.EgalLbl, texts::ReversibleArrow, true);
    setUp(form.CMD3, texts::CMD3Caption, texts::CMD3Tip);
    setUp(form.flbl, texts::ForwardCaption);
    setUp(form.rlbl, texts::ReverseCaption);
    setUp(form.flbl1, texts::ACaption);
    setUp(form.flbl2, texts::NCaption);
    setUp(form.flbl3, texts::EaCaption);
    setUp(form.rlbl1, texts::ACaption);
    setUp(form.rlbl2, texts::NCaption);
    setUp(form.rlbl3, texts::EaCaption);
    form.Option1.caption = std::string(texts::Option1Caption);
    form.Option2.caption = std::string(texts::Option2Caption);
    form.Option1.partner = &form.Option2;
    form.Option2.partner = &form.Option1;
    form.Option2.setSelected(true);
    setUp(form.lblerror2, texts::Lblerror2Start);
    setUp(form.CMD4, texts::CMD4Caption, texts::CMD4Tip);
    setUp(form.CMD5, texts::CMD5Caption, texts::CMD5Tip);
    setUp(form.CMD6, texts::CMD6Caption, texts::CMD6Tip);
    form.ProgBar.setVisible(false);
    form.timeremaining.setVisible(false);
    setUp(form.CancelCMD, texts::CancelCaption, texts::CancelTip);
}

/// The settings tab: the temperature range and the grid.
void setUpSettingsTab(REVEQfrm& form) {
    form.Chk1.caption = std::string(texts::Chk1Caption);
    form.Chk1.setTooltip(std::string(texts::Chk1Tip));
    setUp(form.Label6, texts::Label6Caption);
    form.Hot2txt.setBackground(Colour::LightOrange);
    form.Hot2txt.maxLength = 7;
    form.Hot2txt.setTooltip(std::string(texts::Hot2Tip));
    form.Cold2txt.setBackground(Colour::LightCyan);
    form.Cold2txt.maxLength = 7;
    form.Cold2txt.setTooltip(std::string(texts::Cold2Tip));
    form.Chk2.caption = std::string(texts::Chk2Caption);
    form.Chk2.setTooltip(std::string(texts::Chk2Tip));
    form.Chk2.setChecked(true);
    form.WholeMechanismChk.caption = std::string(texts::WholeMechanismCaption);
    form.WholeMechanismChk.setTooltip(std::string(texts::WholeMechanismTip));
    form.ExactThermoChk.caption = std::string(texts::ExactThermoCaption);
    form.ExactThermoChk.setTooltip(std::string(texts::ExactThermoTip));
    setUp(form.MaxErrorLbl, texts::MaxErrorCaption);
    form.MaxErrortxt.maxLength = 8;
    form.MaxErrortxt.typedCharacters = "0123456789.";
    form.MaxErrortxt.setTooltip(std::string(texts::MaxErrorTip));
    setUp(form.FitLbl, texts::FitCaption);
    form.LeastSquaresOpt.caption = std::string(texts::LeastSquaresCaption);
    form.MinimaxOpt.caption = std::string(texts::MinimaxCaption);
    form.MinimaxOpt.setTooltip(std::string(texts::MinimaxTip));
    form.LeastSquaresOpt.partner = &form.MinimaxOpt;
    form.MinimaxOpt.partner = &form.LeastSquaresOpt;
    form.LeastSquaresOpt.setSelected(true);
    setUp(form.Label1, texts::Label1Caption);
    form.Ntxt.setText(std::string(texts::NtxtStart));
    form.Ntxt.maxLength = 5;
    form.Ntxt.typedCharacters = "0123456789";
    form.Ntxt.setTooltip(std::string(texts::NtxtTip));
    setUp(form.Label5, texts::Label5Caption);
    form.Hottxt.readOnly = true;
    form.Hottxt.setBackground(Colour::LightOrange);
    form.Hottxt.maxLength = 7;
    form.Coldtxt.readOnly = true;
    form.Coldtxt.setBackground(Colour::LightCyan);
    form.Coldtxt.maxLength = 7;
    setUp(form.DefaultsCMD, texts::DefaultsCaption, texts::DefaultsTip);
}

/// The about tab.
void setUpAboutTab(REVEQfrm& form) {
    for (auto& box : form.aboutxt)
        box.readOnly = true;
    form.aboutxt3.readOnly = true;
    form.aboutxt4.readOnly = true;
}

/// Help, Quit and the hidden work elements.
void setUpOutsideTabs(REVEQfrm& form) {
    setUp(form.HelpCMD, texts::HelpCaption, texts::HelpTip);
    setUp(form.QuitCMD, texts::QuitCaption, texts::QuitTip);
    form.MSFG.setVisible(false);
    form.LOS3.setVisible(false);
    form.LOS4.setVisible(false);
    setUp(form.Label7, texts::Label7Caption);
}

} // namespace

REVEQfrm::REVEQfrm() {
    setUpThermoTab(*this);
    setUpMechanismTab(*this);
    setUpSettingsTab(*this);
    setUpAboutTab(*this);
    setUpOutsideTabs(*this);
}

} // namespace zorbel
