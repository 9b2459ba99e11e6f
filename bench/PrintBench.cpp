// Printing every sheet of a clone file to a PDF file (goal under 3 s): the print job alone on a started
// program, and `vqn58 --print-pdf` as a whole process, start-up included, as a script runs it.

#include "BenchProgram.h"
#include "app/qt/PrintJob.h"
#include "sheets/cmcCellObj.h"
#include "ui/cuiTree.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

const char* const kCloneFile = VQN58_BIN_DIR "/VQN58_1.qcf";

std::filesystem::path Output() {
    return std::filesystem::temp_directory_path() / "vqn58_bench_print.pdf";
}

void BM_PrintEverySheetJob(benchmark::State& state) {
    bench::BenchProgram started;
    MainProgram& program = *started.program;
    if (program.App().OpenFile(kCloneFile) != 0) {
        state.SkipWithError("the clone file cannot be opened");
        return;
    }
    std::vector<std::string> arguments;
    for (const QTreeWidgetItem* item : program.Form().Tree()->NodesInOrder()) {
        const cmcCellObj* cell = cuiTree::CellOf(item);
        arguments.push_back(cell != nullptr && cell->Argument() ? *cell->Argument() : std::string());
    }
    std::size_t pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(Output().string()));
        printer.setPageSize(QPageSize(QPageSize::A4));
        PrintJob job(started.sheets, printer, PrintSettings::FromOverlay(program.App().Definitions()), arguments);
        job.Start();
        while (job.Step()) {
        }
        pages = job.Pages().size();
    }
    state.counters["pages"] = static_cast<double>(pages);
    std::filesystem::remove(Output());
}
BENCHMARK(BM_PrintEverySheetJob)->Unit(benchmark::kMillisecond);

void BM_PrintPdfCommand(benchmark::State& state) {
    const std::string command = std::string("'") + VQN58_BIN_DIR + "/vqn58' --print-pdf '" + Output().string() +
                                "' --all '" + kCloneFile + "' 2>/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("vqn58 --print-pdf failed");
            return;
        }
    }
    std::filesystem::remove(Output());
}
BENCHMARK(BM_PrintPdfCommand)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
