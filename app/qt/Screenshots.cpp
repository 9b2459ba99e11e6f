#include "app/qt/Screenshots.h"

#include "app/indMain.h"
#include "app/qt/MainProgram.h"
#include "sheets/cmcCellObj.h"
#include "ui/AboutWindow.h"
#include "ui/CloneProgressWindow.h"
#include "ui/PortDialog.h"
#include "ui/PrintingWindow.h"
#include "ui/cuiInformation.h"

#include <QApplication>
#include <QTreeWidgetItem>
#include <cstdio>

namespace {

bool Save(QWidget& widget, const std::filesystem::path& file) {
    QApplication::processEvents();
    const bool saved = widget.grab().save(QString::fromStdString(file.string()));
    if (!saved) {
        std::fprintf(stderr, "vqn58: cannot write %s\n", file.string().c_str());
    }
    return saved;
}

} // namespace

bool WriteScreenshots(MainProgram& program, const std::filesystem::path& directory) {
    std::filesystem::create_directories(directory);
    MainWindow& form = program.Form();
    bool ok = true;
    form.ShowResult({}); // the pictures show no path of the machine they were made on
    // Nothing open yet: the start panel.
    form.UpdateStartPanel();
    ok = Save(form, directory / "00_start.png") && ok;
    int n = 0;
    for (QTreeWidgetItem* item : form.Tree()->NodesInOrder()) {
        const cmcCellObj* cell = cuiTree::CellOf(item);
        if (!cell->Argument() || cell->Argument()->empty()) {
            continue;
        }
        form.Tree()->setCurrentItem(item);
        form.OpenSheetByArgument(*cell->Argument());
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%02d_", ++n);
        ok = Save(form, directory / (prefix + *cell->Argument() + ".png")) && ok;
    }

    auto* about = new AboutWindow(&form, program.App().Definitions(), form.windowIcon(), {});
    about->Open();
    ok = Save(*about, directory / "window_about.png") && ok;
    about->close();

    PortDialog port(
        &form,
        program.App().Definitions(),
        program.App().Messages().Box(),
        1,
        {{"/dev/ttyUSB0", "USB serial cable", true, "", true}, {"/dev/ttyS4", "", false, "dialout", false}});
    port.SetInUse(form.PortName(form.Port()));
    port.show();
    ok = Save(port, directory / "window_port.png") && ok;
    port.close();

    CloneProgressWindow& progress = form.Progress();
    progress.BeginOperation(clonelink::kRead);
    progress.ShowProgress({20, 1240, 1984, 3});
    ok = Save(progress, directory / "window_cloning.png") && ok;
    progress.EndOperation();

    PrintingWindow printing(&form, program.App().Definitions(), {});
    printing.Open();
    ok = Save(printing, directory / "window_printing.png") && ok;
    printing.close();

    form.ShowCloneInformation();
    if (auto* info = form.findChild<QDialog*>(QStringLiteral("cuiInformation")); info != nullptr) {
        ok = Save(*info, directory / "window_clone_information.png") && ok;
        info->close();
    }
    return ok;
}
