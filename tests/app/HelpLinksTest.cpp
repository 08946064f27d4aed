#include "app/HelpLinks.h"
#include "app/AppTexts.h"
#include "app/ScriptedPlatform.h"
#include "app/Session.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

class HelpLinksTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    Session session{platform};
    REVEQfrm& form = session.form;

    void SetUp() override { connectHelpLinks(session); }
    void click(TextBox& box) { session.runCommand(box.onClick); }
};

TEST_F(HelpLinksTest, EachElementOpensItsAddress) {
    form.HelpCMD.click();
    click(form.aboutxt3);
    click(form.aboutxt4);
    EXPECT_EQ(platform.addresses,
              (std::vector<std::string>{helpAddress(), contactAddress(), downloadAddress()}));
    EXPECT_TRUE(platform.messages.empty());
    // The mail link writes to the makers; the download link is the page the tab shows.
    EXPECT_EQ(contactAddress().rfind("mailto:", 0), 0U);
    EXPECT_EQ(form.aboutxt4.text(), downloadAddress());
    // The tab shows the mail link's addresses one a line, without the scheme or blanks.
    const std::string shown = form.aboutxt3.text() + "\r\n";
    for (std::size_t start = 0, end; (end = shown.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = shown.substr(start, end - start);
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ');
        EXPECT_FALSE(line.starts_with("mailto:"));
        EXPECT_NE(contactAddress().find(line), std::string::npos) << line;
    }
}

TEST_F(HelpLinksTest, HelpSaysSoOnceWhenTheRequestCannotBeMade) {
    platform.addressServiceFails = true;
    form.HelpCMD.click();
    ASSERT_EQ(platform.messages.size(), 1U);
    const MessageRequest& message = platform.messages.front();
    EXPECT_EQ(message.title, "Access Denied");
    EXPECT_EQ(message.text, "Problem Access Internet... Sorry!");
    EXPECT_EQ(message.icon, MessageIcon::Stop);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_TRUE(form.lblerror.caption().empty());
    EXPECT_EQ(platform.helpShown, 1); // the page that came with the program instead
}

TEST_F(HelpLinksTest, AboutLinksGiveTheAddressWhenNoProgramOpensIt) {
    platform.addressServiceFails = true;
    click(form.aboutxt3);
    click(form.aboutxt4);
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_NE(platform.messages[0].text.find(form.aboutxt3.text()), std::string::npos);
    EXPECT_NE(platform.messages[1].text.find(downloadAddress()), std::string::npos);
    EXPECT_EQ(platform.helpShown, 0);
    EXPECT_TRUE(form.lblerror.caption().empty());
}

} // namespace
} // namespace zorbel
