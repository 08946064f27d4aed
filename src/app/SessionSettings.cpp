// What the window keeps between runs: the folder and the recent files of each file dialog,
// and the General Settings. The platform stores the values; the command line's keeps them
// for its run only, so its files never depend on an earlier run.

#include "app/AppTexts.h"
#include "app/Session.h"
#include "files/TextFiles.h"

namespace zorbel {

namespace {

constexpr const char* recentKey = "recentFiles";
constexpr std::size_t recentLimit = 8;
constexpr char fieldSeparator = '\t';
/// Followed by a file dialog's title: the folder that dialog opens in.
constexpr const char* folderKeyStart = "folders/";

constexpr const char* pointsKey = "settings/points";
constexpr const char* ownRangeKey = "settings/ownRange";
constexpr const char* coldKey = "settings/cold";
constexpr const char* hotKey = "settings/hot";
constexpr const char* reciprocalKey = "settings/reciprocal";
constexpr const char* arrheniusKey = "settings/arrhenius";
constexpr const char* wholeMechanismKey = "settings/wholeMechanism";
constexpr const char* exactThermoKey = "settings/exactThermo";

std::string flag(bool value) {
    return value ? "1" : "0";
}

void storeRecentFiles(Platform& platform, const std::vector<Session::RecentFile>& files) {
    std::string text;
    for (const Session::RecentFile& file : files)
        text += file.title + fieldSeparator + file.path + '\n';
    platform.storeValue(recentKey, text);
}

} // namespace

std::vector<Session::RecentFile> Session::recentFiles() const {
    std::vector<RecentFile> files;
    for (const std::string& line : splitLines(platform.storedValue(recentKey).value_or(""))) {
        const std::size_t separator = line.find(fieldSeparator);
        if (separator != std::string::npos && separator + 1 < line.size())
            files.push_back({line.substr(0, separator), line.substr(separator + 1)});
    }
    return files;
}

std::optional<std::string> Session::askForFile(std::string_view title, std::string_view filter) {
    FileDialogRequest request;
    request.title = std::string(title);
    request.filter = std::string(filter);
    request.filterIndex = 1;
    const std::string folderKey = folderKeyStart + request.title;
    request.initialFolder = platform.storedValue(folderKey).value_or(firstDialogFolder());
    std::optional<std::string> chosen = presetFile ? presetFile : platform.chooseFile(request);
    presetFile.reset();
    // The folder is kept even when the file is then refused: the right one is likely near.
    if (chosen)
        platform.storeValue(folderKey, splitPath(*chosen).folder);
    return chosen;
}

std::string Session::firstDialogFolder() const {
    // The files that go with a mechanism are most often beside it.
    if (!common.MechanismPath.empty())
        return splitPath(common.MechanismPath).folder;
    if (!common.ThermoPath.empty())
        return common.ThermoFolder;
    return defaultDialogFolder();
}

void Session::rememberFile(std::string_view title, const std::string& path) {
    std::vector<RecentFile> files = recentFiles();
    std::erase_if(files, [&path](const RecentFile& file) { return file.path == path; });
    files.insert(files.begin(), {std::string(title), path});
    if (files.size() > recentLimit)
        files.resize(recentLimit);
    storeRecentFiles(platform, files);
}

void Session::restoreSettings() {
    const auto stored = [this](const char* key) { return platform.storedValue(key); };
    if (auto points = stored(pointsKey))
        form.Ntxt.setText(*points);
    if (auto own = stored(ownRangeKey))
        form.Chk1.setChecked(*own == flag(true));
    if (auto cold = stored(coldKey))
        form.Cold2txt.setText(*cold);
    if (auto hot = stored(hotKey))
        form.Hot2txt.setText(*hot);
    if (auto reciprocal = stored(reciprocalKey))
        form.Chk2.setChecked(*reciprocal == flag(true));
    if (auto arrhenius = stored(arrheniusKey))
        (*arrhenius == flag(true) ? form.Option1 : form.Option2).setSelected(true);
    if (auto whole = stored(wholeMechanismKey))
        form.WholeMechanismChk.setChecked(*whole == flag(true));
    if (auto exact = stored(exactThermoKey))
        form.ExactThermoChk.setChecked(*exact == flag(true));
}

void Session::storeSettings() {
    platform.storeValue(pointsKey, form.Ntxt.text());
    platform.storeValue(ownRangeKey, flag(form.Chk1.checked()));
    platform.storeValue(coldKey, form.Cold2txt.text());
    platform.storeValue(hotKey, form.Hot2txt.text());
    platform.storeValue(reciprocalKey, flag(form.Chk2.checked()));
    platform.storeValue(arrheniusKey, flag(form.Option1.selected()));
    platform.storeValue(wholeMechanismKey, flag(form.WholeMechanismChk.checked()));
    platform.storeValue(exactThermoKey, flag(form.ExactThermoChk.checked()));
}

RunSettings Session::runSettings() const {
    RunSettings settings;
    settings.points = lastPointIndex(form.Ntxt.text()) + 1;
    settings.law = form.Option1.selected() ? RateLaw::Arrhenius : RateLaw::ModifiedArrhenius;
    settings.reciprocalSpacing = form.Chk2.checked();
    settings.personal = {form.Chk1.checked(), form.Cold2txt.text(), form.Hot2txt.text()};
    settings.exactThermo = form.ExactThermoChk.checked();
    settings.wholeMechanism = form.WholeMechanismChk.checked();
    settings.threads = batchThreads;
    settings.reportPath = reportPath;
    return settings;
}

void Session::applySettings(const RunSettings& settings) {
    // A count the box would refuse is shown as an empty box, which it refuses alike.
    form.Ntxt.setText(settings.points > 0 ? std::to_string(settings.points) : std::string());
    (settings.law == RateLaw::Arrhenius ? form.Option1 : form.Option2).setSelected(true);
    form.Chk2.setChecked(settings.reciprocalSpacing);
    form.Chk1.setChecked(settings.personal.use);
    form.Cold2txt.setText(settings.personal.cold);
    form.Hot2txt.setText(settings.personal.hot);
    form.ExactThermoChk.setChecked(settings.exactThermo);
    form.WholeMechanismChk.setChecked(settings.wholeMechanism);
    batchThreads = settings.threads;
    reportPath = settings.reportPath;
}

void Session::restoreDefaults() {
    form.Ntxt.setText(std::string(texts::NtxtStart));
    form.Ntxt.setBackground(Colour::Window);
    form.Chk1.setChecked(false);
    form.Cold2txt.setText({});
    form.Hot2txt.setText({});
    form.Chk2.setChecked(true);
    form.Option2.setSelected(true);
    form.WholeMechanismChk.setChecked(false);
    form.ExactThermoChk.setChecked(false);
}

} // namespace zorbel
