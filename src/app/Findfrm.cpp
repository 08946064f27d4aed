#include "app/Findfrm.h"

// The search window's texts live with the search itself; they are plain constants, so
// the window model only borrows them and does not depend on the search code.
#include "app/SearchTexts.h"

namespace zorbel {

Findfrm::Findfrm() : caption(texts::FindfrmCaption) {
    Label1.setCaption(std::string(texts::FindLabel1Caption));
    for (TextBox* box : {&Usereqn1, &Usereqn2, &Usereqn3})
        box->setTooltip(std::string(texts::UsereqnTip));
    FindCmdR.caption = std::string(texts::FindCmdRCaption);
    FindCmdR.setTooltip(std::string(texts::FindCmdRTip));
    Frame2.setCaption(std::string(texts::FindFrame2Caption));
    SubLOS2copy.setTooltip(std::string(texts::SearchListTip));
    Frame1.setCaption(std::string(texts::FindFrame1Caption));
    LOS2copy.setTooltip(std::string(texts::SearchListTip));
    Closefrm.caption = std::string(texts::ClosefrmCaption);
    Closefrm.setTooltip(std::string(texts::ClosefrmTip));
}

} // namespace zorbel
