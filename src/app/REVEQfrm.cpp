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

} // namespace

REVEQfrm::REVEQfrm() {
    setUp(CMD1, texts::CMD1Caption, texts::CMD1Tip);
    setUp(Lbl3, texts::Lbl3Caption);
    setUp(List1Nbr, texts::ZeroCount);
    for (auto& box : PropTxt)
        box.readOnly = true;
    setUp(Lbl11, texts::StarCaption, true);
    setUp(Lbl10, texts::StarCaption, true);
    setUp(LblCp1, texts::TemperatureInputCaption);
    setUp(Label2, texts::TemperatureInputCaption);
    setUp(Label3, texts::TemperatureInputCaption);
    setUp(cplbl1, texts::CpCaption);
    setUp(hlbl1, texts::HCaption);
    setUp(slbl1, texts::SCaption);
    setUpResultBox(TXT1CP, Colour::Grey, true);
    setUpResultBox(TXT1H, Colour::Grey, true);
    setUpResultBox(TXT1S, Colour::Grey, true);
    setUpResultBox(TXT1CPBis, Colour::Grey, false);
    setUpResultBox(TXT1HBis, Colour::Grey, false);
    setUpResultBox(TXT1SBis, Colour::Grey, false);

    setUp(CMD2, texts::CMD2Caption, texts::CMD2Tip);
    setUp(Label4, texts::Label4Caption);
    setUp(List2Nbr, texts::ZeroCount);
    setUp(FindCmd, texts::FindCmdCaption, texts::FindCmdTip);
    for (auto& plus : PlusLbl)
        setUp(plus, texts::PlusCaption, true);
    setUp(EgalLbl, texts::ReversibleArrow, true);
    setUp(CMD3, texts::CMD3Caption, texts::CMD3Tip);
    setUp(flbl, texts::ForwardCaption);
    setUp(rlbl, texts::ReverseCaption);
    setUp(flbl1, texts::ACaption);
    setUp(flbl2, texts::NCaption);
    setUp(flbl3, texts::EaCaption);
    setUp(rlbl1, texts::ACaption);
    setUp(rlbl2, texts::NCaption);
    setUp(rlbl3, texts::EaCaption);
    Option1.caption = std::string(texts::Option1Caption);
    Option2.caption = std::string(texts::Option2Caption);
    Option1.partner = &Option2;
    Option2.partner = &Option1;
    Option2.setSelected(true);
    setUp(lblerror2, texts::Lblerror2Start);
    setUp(CMD4, texts::CMD4Caption, texts::CMD4Tip);
    setUp(CMD5, texts::CMD5Caption, texts::CMD5Tip);
    setUp(CMD6, texts::CMD6Caption, texts::CMD6Tip);
    ProgBar.setVisible(false);
    timeremaining.setVisible(false);

    Chk1.caption = std::string(texts::Chk1Caption);
    Chk1.setTooltip(std::string(texts::Chk1Tip));
    setUp(Label6, texts::Label6Caption);
    Hot2txt.setBackground(Colour::LightOrange);
    Hot2txt.maxLength = 7;
    Hot2txt.setTooltip(std::string(texts::Hot2Tip));
    Cold2txt.setBackground(Colour::LightCyan);
    Cold2txt.maxLength = 7;
    Cold2txt.setTooltip(std::string(texts::Cold2Tip));
    Chk2.caption = std::string(texts::Chk2Caption);
    Chk2.setTooltip(std::string(texts::Chk2Tip));
    Chk2.setChecked(true);
    setUp(Label1, texts::Label1Caption);
    Ntxt.setText(std::string(texts::NtxtStart));
    Ntxt.maxLength = 5;
    Ntxt.setTooltip(std::string(texts::NtxtTip));
    setUp(Label5, texts::Label5Caption);
    Hottxt.readOnly = true;
    Hottxt.setBackground(Colour::LightOrange);
    Hottxt.maxLength = 7;
    Coldtxt.readOnly = true;
    Coldtxt.setBackground(Colour::LightCyan);
    Coldtxt.maxLength = 7;

    for (auto& box : aboutxt)
        box.readOnly = true;
    aboutxt3.readOnly = true;
    aboutxt4.readOnly = true;

    setUp(HelpCMD, texts::HelpCaption, texts::HelpTip);
    setUp(QuitCMD, texts::QuitCaption, texts::QuitTip);
    MSFG.setVisible(false);
    LOS3.setVisible(false);
    LOS4.setVisible(false);
    setUp(Label7, texts::Label7Caption);
}

} // namespace zorbel
