#include "app/AppTexts.h"
#include "ui/Binders.h"
#include "ui/QtText.h"
#include "ui/TabLayout.h"
#include "ui/Tabs.h"
#include "ui/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zorbel::ui {

namespace {

constexpr int titlePoints = 12;
constexpr int textPoints = 10;

void makeLink(ClickableLabel* link) {
    setPointSize(link, textPoints);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setTextColour(link, Qt::blue);
}

} // namespace

AboutTab::AboutTab(Binding& binding, REVEQfrm& form, QWidget* parent) : QWidget(parent) {
    auto* frame = new QGroupBox(toQt(texts::Frame1Caption), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(frame);
    layout->addStretch(1);
    for (size_t index = 0; index < form.aboutxt.size(); ++index) {
        QLabel* text =
            binding.textLabel(form.aboutxt[index], QStringLiteral("aboutxt%1").arg(index), frame);
        setPointSize(text, index == 0 ? titlePoints : textPoints);
        layout->addWidget(text);
        layout->addSpacing(12);
    }
    ClickableLabel* contact = binding.link(form.aboutxt3, QStringLiteral("aboutxt3"), frame);
    makeLink(contact);
    layout->addWidget(contact);
    layout->addSpacing(6);
    ClickableLabel* download = binding.link(form.aboutxt4, QStringLiteral("aboutxt4"), frame);
    makeLink(download);
    layout->addWidget(download);
    layout->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(frame);
}

} // namespace zorbel::ui
