#include "commands/RecentFiles.h"

#include "app/AppTexts.h"
#include "app/DeskTexts.h"
#include "comparison/ComparisonTexts.h"
#include "mechanism/MechanismTexts.h"
#include "thermo/ThermoTexts.h"

namespace zorbel {

Button* loaderFor(REVEQfrm& form, std::string_view title) {
    if (title == texts::ThermoDialogTitle)
        return &form.CMD1;
    if (title == texts::MechanismDialogTitle)
        return &form.CMD2;
    if (title == texts::ComparisonDialogTitle)
        return &form.CMD6;
    return nullptr;
}

std::string_view fileKindName(std::string_view title) {
    if (title == texts::ThermoDialogTitle)
        return texts::KindDatabase;
    if (title == texts::MechanismDialogTitle)
        return texts::KindMechanism;
    if (title == texts::ComparisonDialogTitle)
        return texts::KindComparison;
    return {};
}

int tabOfFile(std::string_view title) {
    if (title == texts::ThermoDialogTitle)
        return REVEQfrm::ThermoTab;
    if (title == texts::MechanismDialogTitle || title == texts::ComparisonDialogTitle)
        return REVEQfrm::MechanismTab;
    return REVEQfrm::AboutTab;
}

namespace {

/// Chosen from a list, a comparison file is one click away from being rewritten with
/// whatever database happens to be loaded: the user confirms both. Without a database the
/// command writes nothing, so there is nothing to confirm.
bool annotationAgreed(Session& session, const std::string& path) {
    if (session.common.SpeciesCount == 0)
        return true;
    const std::string question = std::string(texts::ReopenComparisonStart) + path +
                                 std::string(texts::ReopenComparisonDatabase) +
                                 session.common.ThermoPath +
                                 std::string(texts::ReopenComparisonEnd);
    return session.platform.showMessage({question, std::string(texts::ReopenComparisonTitle),
                                         MessageButtons::YesNo, MessageIcon::Question}) ==
           MessageAnswer::Yes;
}

} // namespace

void reopenRecentFile(Session& session, const Session::RecentFile& file) {
    Button* loader = loaderFor(session.form, file.title);
    if (loader == nullptr || session.batchRunning)
        return;
    if (loader == &session.form.CMD6 && !annotationAgreed(session, file.path))
        return;
    session.form.currentTab = tabOfFile(file.title);
    session.presetFile = file.path;
    loader->click();
    // Had the loader not asked for its file, the next dialog must not be answered unseen.
    session.presetFile.reset();
}

} // namespace zorbel
