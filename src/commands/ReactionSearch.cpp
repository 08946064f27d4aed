#include "commands/ReactionSearch.h"

#include "app/AppTexts.h"
#include "app/SearchTexts.h"
#include "app/Session.h"
#include "mechanism/SpeciesSearch.h"

namespace zorbel {

namespace {

/// The window as it opens: the sorted copy of the mechanism, empty boxes, no results.
void loadSearchWindow(Session& session) {
    Findfrm& find = session.find;
    find.LOS2copy.assign(searchDomain(session.form.LOS2.entries(), session.common.ReactionCount));

    find.tiplbl.setCaption(std::string(texts::SearchTipQuestion) + session.common.NewLine +
                           std::string(texts::SearchTipHowToClose));
    find.resultlbl.setCaption(std::string(texts::FoundNothing));
    find.Usereqn1.setText({});
    find.Usereqn2.setText({});
    find.Usereqn3.setText({});
    find.SubLOS2copy.clear();
}

} // namespace

CommandResult openSearchWindow(Session& session) {
    loadSearchWindow(session);
    Findfrm& find = session.find;
    // The window counts as closed once the modal call returns, however it returns.
    struct ClosesOnReturn {
        Findfrm& window;
        ~ClosesOnReturn() { window.shown = false; }
    } closes{find};
    find.shown = true;
    session.platform.showSearch(find);
    return {};
}

CommandResult runSearch(Session& session) {
    Findfrm& find = session.find;
    SearchFound searched =
        searchTyped(find.LOS2copy.entries(),
                    {find.Usereqn1.text(), find.Usereqn2.text(), find.Usereqn3.text()});
    find.SubLOS2copy.assign(std::move(searched.found));
    find.resultlbl.setCaption(std::move(searched.count));
    return {};
}

namespace {

/// Makes the reaction a search-window entry stands for the only selected line of the
/// main list, which shows its details there.
void selectInMainList(Session& session, std::string_view searchEntry) {
    ListBox& LOS2 = session.form.LOS2;
    LOS2.clearSelection();
    const int index = LOS2.find(mainListEntry(searchEntry));
    if (index >= 0)
        LOS2.select(index);
}

void chooseAndClose(Session& session, const ListBox& list) {
    // A double-click that lands on no entry chooses nothing and leaves the window open.
    if (list.currentIndex() < 0)
        return;
    selectInMainList(session, list.selectedText());
    session.find.shown = false;
}

} // namespace

void connectSearch(Session& session) {
    Findfrm& find = session.find;
    session.form.FindCmd.onClick = [&session] {
        session.start([&session] { return openSearchWindow(session); });
    };
    find.FindCmdR.onClick = [&session] {
        session.handle([&session] { return runSearch(session); });
    };
    find.SubLOS2copy.onSelect = [&session] {
        session.runHandler([&session] {
            const ListBox& results = session.find.SubLOS2copy;
            if (results.currentIndex() >= 0)
                selectInMainList(session, results.selectedText());
        });
    };
    find.SubLOS2copy.onDoubleClick = [&session] {
        session.runHandler([&session] { chooseAndClose(session, session.find.SubLOS2copy); });
    };
    find.LOS2copy.onDoubleClick = [&session] {
        session.runHandler([&session] { chooseAndClose(session, session.find.LOS2copy); });
    };
    find.Closefrm.onClick = [&session] { session.find.shown = false; };
}

} // namespace zorbel
