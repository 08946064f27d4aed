#include "commands/StaleResults.h"

#include "app/AppTexts.h"
#include "app/Session.h"

namespace zorbel {

namespace {

TextBox& box(REVEQfrm& form, int index) {
    return form.PropTxt[static_cast<std::size_t>(index)];
}

/// The panel as before any reaction was shown: the batch's reaction is no pick of the
/// user's, and Reverse must not take it for one.
void emptyPanel(Session& session) {
    REVEQfrm& form = session.form;
    for (int index = REVEQfrm::FirstSlot; index <= REVEQfrm::ForwardEa; ++index) {
        box(form, index).setText({});
        box(form, index).setVisible(true);
    }
    for (Label& plusSign : form.PlusLbl)
        plusSign.setVisible(true);
    form.EgalLbl.setCaption(std::string(texts::ReversibleArrow));
    session.panelFromBatch = false;
}

} // namespace

void forgetResults(Session& session) {
    REVEQfrm& form = session.form;
    form.Templbl.setCaption({});
    form.lblerror2.setCaption(std::string(texts::Lblerror2Start));
    if (form.lblerror.caption() == texts::RunStopped)
        form.lblerror.setCaption({});
    for (int index = REVEQfrm::ReverseA; index <= REVEQfrm::ReverseEa; ++index)
        box(form, index).setText({});
    // Yellow and pink told what the last reversal found in the database.
    for (int index = REVEQfrm::FirstSlot; index < REVEQfrm::ForwardA; ++index)
        box(form, index).setBackground(Colour::Window);
    if (session.panelFromBatch)
        emptyPanel(session);
}

} // namespace zorbel
