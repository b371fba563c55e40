// The words browser on a real dictionary: how long opening takes (the first
// time, which computes every lemma, and again), and how long each search
// keystroke and filter change takes before the window has repainted.
//   browse_words DATA_DIR        (runs on Qt's offscreen platform)

#include "app/PaneText.h"
#include "editing/BelEditModule.h"
#include "editing/ui/WordsBrowser.h"
#include "app/Prompter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <ctime>
#include <cstdio>
#include <functional>

using namespace kunimor;
using namespace kunimor::app;

namespace {

class TNoPrompter : public TPrompter {
public:
    TAnswer Ask(QWidget*, const QString&, const QString&, TButtons, TIcon, TAnswer answer) override { return answer; }
    QString ChooseSaveFile(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<TFileChoice> ChooseFile(QWidget*, TFileDialog, const QString&, const TFileChoice&,
                                          const QStringList&) override {
        return std::nullopt;
    }
};

// Milliseconds of processor time that action takes, the repaint it causes
// included (wall time on a shared machine mostly measures the neighbours).
double Timed(const std::function<void()>& action) {
    const std::clock_t start = std::clock();
    action();
    QApplication::processEvents();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: browse_words DATA_DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TQuietPrompter quiet;
    TBelEditModule module(quiet);
    if (!module.OpenDictionary(argv[1])) {
        std::fprintf(stderr, "the dictionary did not load\n");
        return 1;
    }
    TNoPrompter prompter;
    for (int lang : {0, 1}) {
        std::printf("%s: %d words\n", lang == 1 ? "Belarusian" : "Russian", module.WordsTable(lang).RecordCount());
        for (const char* when : {"first open", "second open"}) {
            std::unique_ptr<TfrmBrWords> browser;
            const double ms = Timed([&] {
                browser = std::make_unique<TfrmBrWords>(module, prompter, lang);
                browser->show();
            });
            std::printf("  %-28s %8.1f ms\n", when, ms);
        }
        TfrmBrWords browser(module, prompter, lang);
        browser.show();
        QApplication::processEvents();
        double worst = 0;
        const QString word = lang == 1 ? QStringLiteral("прыгожы") : QStringLiteral("пример");
        for (int n = 1; n <= word.size(); ++n)
            worst = std::max(worst, Timed([&] { browser.edtLemma->setText(word.left(n)); }));
        std::printf("  %-28s %8.1f ms (worst keystroke of \"%s\")\n", "search as you type", worst,
                    word.toUtf8().constData());
        auto toggle = [&](const char* name, QToolButton* button) {
            std::printf("  %-28s %8.1f ms on, ", name, Timed([&] { button->setChecked(true); }));
            std::printf("%.1f ms off\n", Timed([&] { button->setChecked(false); }));
        };
        toggle("paradigm filter", browser.btnEtalonFilter);
        toggle("modified filter", browser.btnOnlyModif);
        toggle("untranslated filter", browser.btnNontransFilter);
        browser.edtLemma->setText(QStringLiteral("-*ся"));
        const double ms = Timed([&] { browser.ApplyPattern(); });
        std::printf("  %-28s %8.1f ms (%s)\n", "pattern \"-*ся\"", ms, browser.stPos->text().toUtf8().constData());
        browser.edtLemma->setText(QString());
        std::printf("  %-28s %8.1f ms\n", "pattern cleared", Timed([&] { browser.ApplyPattern(); }));
    }
    return 0;
}
