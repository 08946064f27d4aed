// The pictures of the documentation, taken by the program itself.

#include "UiTestSupport.h"

#include "program/Program.h"
#include "ui/QtPlatform.h"
#include "ui/QtText.h"
#include "ui/Screenshots.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace zorbel::ui::testing {
namespace {

class ScreenshotsTest : public WindowTestOn<QtPlatform> {
protected:
    QTemporaryDir inputs;
    QTemporaryDir pictures;

    void SetUp() override {
        connectCommands(session);
        platform.attach(controller, &window);
        ASSERT_TRUE(inputs.isValid());
        ASSERT_TRUE(pictures.isValid());
        for (const char* name : {"example.therm", "example.rxn"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(ZORBEL_EXAMPLES "/") + QString::fromLatin1(name),
                                    inputs.filePath(QString::fromLatin1(name))));
    }

    QImage picture(const char* name) const {
        return QImage(QDir(pictures.path()).filePath(QString::fromLatin1(name)));
    }
};

TEST_F(ScreenshotsTest, TakesEveryWindowAndLeavesNothingBesideTheInputs) {
    const ScreenshotRequest request{pictures.path(),
                                    inputs.filePath(QStringLiteral("example.therm")),
                                    inputs.filePath(QStringLiteral("example.rxn"))};
    ASSERT_TRUE(takeScreenshots(request, platform, controller, window));

    for (const char* name :
         {"tab1.png", "tab2.png", "tab3.png", "tab4.png", "chart.png", "search.png"}) {
        const QImage image = picture(name);
        EXPECT_FALSE(image.isNull()) << name;
        // Small enough for the documentation, large enough to read.
        EXPECT_LE(image.width(), 1000) << name;
        EXPECT_GE(image.width(), 600) << name;
    }
    // The chart came from a Reverse, whose table went elsewhere.
    EXPECT_EQ(QDir(inputs.path()).entryList(QDir::Files).size(), 2);
    // The search was done: its window listed what it found.
    EXPECT_EQ(session.find.resultlbl.caption(), "Found: 4 Reaction(s)");
    // The tabs show what was loaded, reversed and chosen.
    EXPECT_EQ(form.List2Nbr.caption(), "(13)");
    EXPECT_FALSE(form.Hottxt.text().empty());
    EXPECT_EQ(form.LOS1.selectedText(), "H2O");
    EXPECT_EQ(form.TXT1K.text(), "1000");
}

} // namespace
} // namespace zorbel::ui::testing
