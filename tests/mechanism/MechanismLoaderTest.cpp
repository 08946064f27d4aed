#include "app/Platform.h"
#include "mechanism/MechanismFile.h"
#include "support/SessionFixture.h"

#include <filesystem>
#include <vector>

namespace zorbel {
namespace {

constexpr const char* pellux = "Problem encountered with your file. Did you run Pellux 1st?";

class MechanismLoader : public testing::SessionFixture {
protected:
    void loadText(const std::string& content, const std::string& name = "mech.rxn") {
        loadMechanism(folder.write(name, content));
    }
};

TEST_F(MechanismLoader, ListsTheReactionLinesAfterTheReactionsLine) {
    loadText("ELEMENTS\nH O\nEND\nSPECIES\nH O2 => OH\nEND\n"
             "REACTIONS\n"
             "H+O2<=>O+OH 3.547E+15 -0.406 16599\n"
             "H+O2=O+OH 1 2 3\n"
             "h+o2=>o+oh 1e14 0 0\n"
             "O+CO(+M)<=>CO2(+M) 1.8E+10 0 2385\n"
             "LOW/6.020E+14 0.000 3000.0/\n"
             "REV/1 2 3/\n"
             "DUP\n"
             "\n"
             "!  A=>B\n"
             "END\n"
             "A<=>B 1 2 3\n");
    const std::vector<std::string> expected = {
        "H+O2<=>O+OH 3.547E+15 -0.406 16599", "H+O2=>O+OH 1E14 0 0",
        "O+CO(+M)<=>CO2(+M) 1.8E+10 0 2385", "!  A=>B", "A<=>B 1 2 3"};
    EXPECT_EQ(form.LOS2.entries(), expected);
    EXPECT_EQ(common.ReactionCount, 5);
    EXPECT_EQ(form.List2Nbr.caption(), "(5)");
    EXPECT_EQ(form.lblerror.caption(), "");
    EXPECT_EQ(common.MechanismPath, folder.folderText() + "mech.rxn");
    EXPECT_EQ(common.WorkFolder, folder.folderText());
    ASSERT_EQ(platform.fileRequests.size(), 1U);
    const FileDialogRequest& request = platform.fileRequests[0];
    EXPECT_EQ(request.title, "Selection MECHANISM File...");
    EXPECT_EQ(request.filter, "RXN Files (*.rxn)|*.rxn|Mech Files (*.mech)|*.mech|All Files |*.*|");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialFolder, defaultDialogFolder());
}

TEST_F(MechanismLoader, RefusesAFileWithoutAnExactReactionsLine) {
    const char* headers[] = {"REACTIONS   CAL/MOLE", "reactions", "REACTIONS ", " REACTIONS",
                             "Reactions"};
    for (const char* header : headers) {
        SCOPED_TRACE(header);
        form.lblerror.setCaption({});
        loadText(std::string(header) + "\nH+O2<=>O+OH 1 2 3\nEND\n");
        // The refusal names the file and the line that comes closest.
        EXPECT_EQ(form.lblerror.caption(),
                  std::string(pellux) + " " + folder.folderText() + "mech.rxn: line 1 reads \"" +
                      header +
                      "\", not REACTIONS alone, in capitals (zorbel-cli clean writes one).");
        EXPECT_EQ(form.Lbl2.caption(), "");
        EXPECT_EQ(form.LOS2.count(), 0);
        EXPECT_EQ(common.ReactionCount, 0);
        EXPECT_EQ(form.List2Nbr.caption(), "(0)");
    }
}

TEST_F(MechanismLoader, SectionStartsAtTheFirstLineThatReadsReactionsInAnyCase) {
    // The exact line lets the file in; the section then opens at the first line that
    // upper-cases to it, here the lower-case one above.
    loadText("reactions\nA<=>B 1 2 3\nREACTIONS\nC<=>D 1 2 3\n");
    EXPECT_EQ(form.LOS2.entries(), (std::vector<std::string>{"A<=>B 1 2 3", "C<=>D 1 2 3"}));
}

TEST_F(MechanismLoader, ASecondLoadReplacesTheFirstAndACancelOrAnUnreadableFileLeavesNothing) {
    loadReactions({"A<=>B 1 2 3", "C<=>D 1 2 3"});
    form.LOS2.select(1);
    form.Templbl.setCaption("status");
    form.PropTxt[23].setText("1.0E+10");
    form.PropTxt[15].setBackground(Colour::Yellow);
    form.PropTxt[14].setVisible(false);
    form.PropTxt[19].setVisible(false);
    session.find.LOS2copy.add("C<=>D 1 2 3");

    loadText("REACTIONS\nE=>F 1 2 3\n", "second.rxn");
    EXPECT_EQ(form.LOS2.entries(), (std::vector<std::string>{"E=>F 1 2 3"}));
    EXPECT_EQ(form.LOS2.currentIndex(), -1);
    EXPECT_EQ(form.List2Nbr.caption(), "(1)");
    EXPECT_EQ(form.Lbl2.caption().rfind("Loaded: ", 0), 0U);
    EXPECT_EQ(form.Lbl2.caption().substr(form.Lbl2.caption().size() - 10), "second.rxn");
    for (int index = 14; index <= 25; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(form.PropTxt[static_cast<size_t>(index)].text(), "");
        EXPECT_EQ(form.PropTxt[static_cast<size_t>(index)].background(), Colour::Window);
    }
    EXPECT_TRUE(form.PropTxt[14].visible());
    EXPECT_TRUE(form.PropTxt[19].visible());
    EXPECT_EQ(form.Templbl.caption(), "");
    EXPECT_EQ(session.find.LOS2copy.count(), 0);

    for (const bool cancel : {true, false}) {
        loadReactions({"A<=>B 1 2 3"});
        if (cancel)
            form.CMD2.click(); // no answer queued: the dialog is cancelled
        else
            loadMechanism(folder.folderText() + "missing.rxn");
        EXPECT_EQ(form.LOS2.count(), 0);
        EXPECT_EQ(common.ReactionCount, 0);
        EXPECT_EQ(form.Lbl2.caption(), "");
        EXPECT_EQ(form.List2Nbr.caption(), "(0)");
        EXPECT_EQ(form.lblerror.caption(), "");
    }
}

} // namespace
} // namespace zorbel
