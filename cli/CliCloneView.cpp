#include "cli/CliCloneView.h"

#include <algorithm>
#include <unistd.h>

namespace cli {

namespace {
constexpr int kCells = 32;
} // namespace

CliCloneView::CliCloneView(std::string label) : m_label(std::move(label)), m_terminal(::isatty(2) != 0) {}

void CliCloneView::BeginOperation(int op) {
    m_last = -1;
    m_drawn = m_terminal && op != 1;
}

void CliCloneView::ShowProgress(int filledCells) {
    const int filled = std::clamp(filledCells, 0, kCells);
    if (!m_drawn || filled == m_last) {
        return;
    }
    m_last = filled;
    std::fprintf(stderr,
                 "\r%s [%s%s]",
                 m_label.c_str(),
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kCells - filled), '.').c_str());
    std::fflush(stderr);
}

void CliCloneView::EndOperation() {
    if (m_drawn) {
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
    m_drawn = false;
}

} // namespace cli
