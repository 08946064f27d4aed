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

// Help says so once when the request cannot be made; the About links stay silent.
TEST_F(HelpLinksTest, OnlyHelpSaysSoWhenTheRequestCannotBeMade) {
    platform.addressServiceFails = true;
    click(form.aboutxt3);
    click(form.aboutxt4);
    EXPECT_TRUE(platform.messages.empty());
    form.HelpCMD.click();
    ASSERT_EQ(platform.messages.size(), 1U);
    const MessageRequest& message = platform.messages.front();
    EXPECT_EQ(message.title, "Access Denied");
    EXPECT_EQ(message.text, "Problem Access Internet... Sorry!");
    EXPECT_EQ(message.icon, MessageIcon::Stop);
    EXPECT_TRUE(form.lblerror.caption().empty());
}

} // namespace
} // namespace zorbel
